#include "visualization/samplehistogram.h"

#include <stdexcept>

namespace {
constexpr int offset = 32768;
}

SampleHistogram::SampleHistogram(const TerrainGrid& grid)
    : counts(65536, 0)
{
    for (const auto& column : grid) {
        for (const int16_t v : column)
            ++counts[size_t(v + offset)];
        total += column.size();
    }
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
    return int16_t(32767);
}
