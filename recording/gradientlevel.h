#pragma once

#include <cstdint>
#include <list>

// What the gradient view draws: the newest sample, the smoothed level it departs from and the
// recent spread of the signal.
struct GradientReading
{
    float smoothedLevel = 0;
    float latestValue = 0;
    float spread = 0;
};

// The latest samples of the gradient analysis and the reading each new sample gives.
class GradientHistory
{
public:
    static constexpr int capacity = 75;

    // Level and spread come from the history before the sample; the sample then joins it.
    GradientReading add(std::int16_t value);
    void clear() { history.clear(); }
    const std::list<std::int16_t>& samples() const { return history; }

private:
    std::list<std::int16_t> history;
};
