#include "visualization/depthanalysis.h"

#include "datasets/samplehistogram.h"

#include <algorithm>
#include <cmath>

float depthFactor = 0.0f;
float soilDepthScale = 0.0f;

void depthDeviationTransform(TerrainGrid& grid)
{
    float sum = 0.0f;
    size_t n = 0;
    int lowest = 0;
    for (const auto& column : grid) {
        for (const int16_t v : column) {
            sum += float(v);
            lowest = n == 0 ? v : std::min<int>(lowest, v);
            ++n;
        }
    }
    if (n == 0)
        return;
    const float mean = sum / float(n);
    grid.back().push_back(int16_t(lowest - 200));
    for (auto& column : grid)
        for (int16_t& v : column)
            v = int16_t(int(std::fabs(mean - float(v))));
}

float depthFactorOf(const TerrainGrid& grid)
{
    const SampleHistogram histogram(grid);
    const size_t n = histogram.count();
    if (n == 0)
        return 1.0f;
    const int first = histogram.orderStatistic(0);
    const int median = histogram.orderStatistic(n / 2);
    const int last = histogram.orderStatistic(n - 1);
    if (last == first)
        return 1.0f;
    return 1.0f - float(median - first) / float(last - first);
}
