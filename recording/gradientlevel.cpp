#include "recording/gradientlevel.h"

#include <cmath>

GradientReading GradientHistory::add(std::int16_t value)
{
    const auto n = history.size();
    double mean = value;
    double spread = 0;
    if (n > 0) {
        double sum = 0;
        for (std::int16_t h : history)
            sum += h;
        mean = sum / double(n);
        double squares = 0;
        for (std::int16_t h : history)
            squares += (h - mean) * (h - mean);
        // The root of the summed squares over n, not the standard deviation.
        spread = std::sqrt(squares) / double(n);
    }
    if (n >= std::size_t(capacity))
        history.pop_front();
    history.push_back(value);
    return {float(value * 0.05 + mean * 0.95), float(value), float(spread)};
}
