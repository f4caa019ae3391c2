#include "visualization/terrainfilters.h"

#include "datasets/samplehistogram.h"

#include <algorithm>
#include <cstdlib>

namespace {
// trunc(0.5 a + 0.5 b) in double is exact for 16-bit a and b and equals the integer
// division of their sum, which truncates toward zero as well.
inline int16_t halfway(int a, int b)
{
    return int16_t((a + b) / 2);
}

double meanOf(const std::vector<int16_t>& samples)
{
    int64_t sum = 0;
    for (const int16_t v : samples)
        sum += v;
    return double(sum) / double(samples.size());
}
} // namespace

void trackMatchingFilter(TerrainGrid& grid)
{
    int64_t sum = 0;
    size_t n = 0;
    for (const auto& column : grid) {
        for (const int16_t v : column)
            sum += v;
        n += column.size();
    }
    if (n == 0)
        return;
    const double globalMean = double(sum) / double(n);
    for (size_t c = 1; c < grid.size(); ++c) {
        auto& column = grid[c];
        if (column.empty())
            continue;
        const int offset = int(globalMean - meanOf(column));
        for (int16_t& v : column)
            v = int16_t(v + offset);
    }
}

void valueQuantizationFilter(TerrainGrid& grid)
{
    for (auto& column : grid)
        for (int16_t& v : column)
            v = int16_t(v / 3 * 3);
}

void deltaFilter(TerrainGrid& grid)
{
    for (auto& column : grid) {
        for (size_t j = 1; j < column.size(); ++j) {
            if (std::abs(column[j - 1] - column[j]) < 10)
                column[j] = column[j - 1];
        }
    }
}

void outlierFilter(TerrainGrid& grid)
{
    const SampleHistogram histogram(grid);
    const size_t n = histogram.count();
    if (n == 0)
        return;
    const int q1 = histogram.orderStatistic(n / 4);
    const int q3 = histogram.orderStatistic(n / 4 + n / 2);
    const int iqr = q3 - q1;
    int lowest = 0;
    int highest = 0;
    bool first = true;
    for (auto& column : grid) {
        for (int16_t& sample : column) {
            const int v = sample;
            if (v > q3 + iqr)
                sample = int16_t(v - q3 - iqr);
            else if (v < q1 - iqr)
                sample = int16_t(v + iqr - q1);
            else
                sample = 0;
            lowest = first ? sample : std::min<int>(lowest, sample);
            highest = first ? sample : std::max<int>(highest, sample);
            first = false;
        }
    }
    grid.back().push_back(int16_t(-lowest));
    grid.back().push_back(int16_t(-highest));
}

void smoothingFilter(TerrainGrid& grid)
{
    for (auto& column : grid) {
        const size_t n = column.size();
        for (size_t j = 1; j < n; ++j)
            column[j] = halfway(column[j - 1], column[j]);
        for (size_t j = n; j-- > 1;)
            column[j - 1] = halfway(column[j], column[j - 1]);
    }
    // Across the columns only where both neighbours have the sample; the extras of a longer
    // last column stay as they are.
    const auto blend = [](const std::vector<int16_t>& from, std::vector<int16_t>& to) {
        const size_t n = std::min(from.size(), to.size());
        for (size_t k = 0; k < n; ++k)
            to[k] = halfway(from[k], to[k]);
    };
    for (size_t c = 1; c < grid.size(); ++c)
        blend(grid[c - 1], grid[c]);
    for (size_t c = grid.size(); c-- > 1;)
        blend(grid[c], grid[c - 1]);
}
