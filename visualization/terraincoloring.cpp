#include "visualization/terraincoloring.h"

#include "datasets/samplehistogram.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {
int blend(double dataEnd, double sensorEnd, double factor)
{
    return int(dataEnd * factor + (1.0 - factor) * sensorEnd);
}
} // namespace

TerrainColorRange terrainColorRange(int gridMin, int gridMax, int sensorMin, int sensorMax,
                                    float boundaryFactor)
{
    const ValueRange widened = widenToMinimumColorRange(
        {blend(gridMin, sensorMin, boundaryFactor), blend(gridMax, sensorMax, boundaryFactor)});
    if (widened.low == widened.high)
        return {0, 1};
    return {widened.low, widened.high - widened.low};
}

float quantizeToTwelfths(float t, int span)
{
    const float step = float(span) / 12;
    const float steps = std::floor(std::fabs(t) / step + 0.5f);
    return std::copysign(steps * step, t);
}

QVector3D terrainColor(float rawValue, const TerrainColoring& coloring)
{
    float t = rawValue - float(coloring.range.low);
    if (coloring.quantize)
        t = quantizeToTwelfths(t, coloring.range.span);
    const Rgb c = colorFromValue(t, 0, float(coloring.range.span), coloring.map);
    return QVector3D(c.red / 255.0f, c.green / 255.0f, c.blue / 255.0f);
}

std::vector<QVector3D> terrainStripColors(const float* rawValues, int width, int length,
                                          const TerrainColoring& coloring)
{
    std::vector<QVector3D> colors;
    if (width <= 0 || length < 2)
        return colors;
    colors.reserve(size_t(2) * size_t(width) * size_t(length - 1));
    for (int r = 0; r + 1 < length; ++r) {
        for (int k = 0; k < width; ++k) {
            colors.push_back(terrainColor(rawValues[k + width * r], coloring));
            colors.push_back(terrainColor(rawValues[k + width * (r + 1)], coloring));
        }
    }
    return colors;
}

std::array<int, 5> binPercentages(const SampleHistogram& histogram, ValueRange range)
{
    std::array<int, 5> percent{0, 0, 0, 0, 0};
    if (histogram.count() == 0)
        return percent;
    const double span = range.high - range.low;
    std::array<size_t, 5> count{0, 0, 0, 0, 0};
    for (int v = SampleHistogram::lowest; v <= SampleHistogram::highest; ++v) {
        const size_t n = histogram.countOf(v);
        if (n == 0)
            continue;
        // Values outside the range count in the nearest end bin.
        const double position = (v - range.low) / span * 5;
        const int bin = position < 0 ? 0 : int(std::min(position, 4.0));
        count[size_t(bin)] += n;
    }
    for (size_t i = 0; i < percent.size(); ++i)
        percent[i] = int(std::lround(double(count[i]) * 100.0 / double(histogram.count())));
    return percent;
}

std::array<int, 5> legendPercentages(const std::vector<int16_t>& values, bool scalar2,
                                     int sensorMin, int sensorMax, float blendFactor)
{
    if (values.empty())
        return {0, 0, 0, 0, 0};
    int dMin = 0;
    int dMax = 0;
    if (scalar2) {
        const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
        dMin = *lowest;
        dMax = *highest;
    }
    const ValueRange range = widenToMinimumColorRange(
        {blend(dMin, sensorMin, blendFactor), blend(dMax, sensorMax, blendFactor)});
    return binPercentages(SampleHistogram(values), range);
}
