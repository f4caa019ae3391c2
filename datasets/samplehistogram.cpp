#include "datasets/samplehistogram.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

SampleHistogram::SampleHistogram(const std::vector<std::vector<int16_t>>& columns, size_t rows)
    : counts(65536, 0)
{
    for (const auto& column : columns) {
        const size_t n = std::min(rows, column.size());
        for (size_t k = 0; k < n; ++k)
            ++counts[size_t(column[k] + offset)];
        total += n;
    }
}

SampleHistogram::SampleHistogram(const std::vector<int16_t>& values)
    : counts(65536, 0)
    , total(values.size())
{
    for (const int16_t v : values)
        ++counts[size_t(v + offset)];
}

int16_t SampleHistogram::orderStatistic(size_t position) const
{
    if (position >= total)
        throw std::out_of_range("order statistic beyond the samples");
    size_t seen = 0;
    for (size_t i = 0; i < counts.size(); ++i) {
        seen += counts[i];
        if (seen > position)
            return int16_t(int(i) - offset);
    }
    return int16_t(highest);
}

int16_t SampleHistogram::percentile(double p) const
{
    const double fraction = std::clamp(p, 0.0, 100.0) / 100.0;
    return orderStatistic(size_t(std::floor(fraction * double(total - 1) + 0.5)));
}
