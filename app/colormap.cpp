#include "app/colormap.h"

#include <cmath>

namespace {
// std::fmin(high, std::fmax(low, value)), with the library calls only for NaN operands: the
// colours of whole pictures go through here.
float clampToRange(float value, float low, float high)
{
    if (std::isnan(value) || std::isnan(low) || std::isnan(high))
        return std::fmin(high, std::fmax(low, value));
    const float v = value < low ? low : value;
    return high < v ? high : v;
}

// Truncation toward zero into a channel. NaN (an empty range) gives 0 instead of undefined
// behaviour; in-range results are never changed by the clamp.
uint8_t channel(double x)
{
    if (!(x > 0.0))
        return 0;
    if (x >= 255.0)
        return 255;
    return uint8_t(int(x));
}

Rgb jet(float value, float low, float high)
{
    const float r = high - low;
    const float v = clampToRange(value, low, high);
    const double q1 = low + 0.25 * r;
    const double q2 = low + 0.5 * r;
    const double q3 = low + 0.75 * r;
    if (v < q1)
        return {0, channel((v - low) * 4 / r * 255), 255};
    if (v < q2)
        return {0, 255, channel(((q1 - v) * 4 / r + 1) * 255)};
    if (v < q3)
        return {channel((double(v - low) - 0.5 * r) * 4 / r * 255), 255, 0};
    return {255, channel(((q3 - v) * 4 / r + 1) * 255), 0};
}

Rgb blackBody(float value, float low, float high)
{
    const float d = value - low;
    const float r = high - low;
    const float t = r / 3;
    if (std::isinf(d) && d > 0)
        return {255, 255, 255};
    if (d < 0)
        return {0, 0, 0};
    if (d < t)
        return {channel(d * 255 / t), 0, 0};
    if (d < 2 * t)
        return {255, channel((d - t) * 255 / t), 0};
    if (d < r)
        return {255, 255, channel((d - 2 * t) * 255 / t)};
    if (d >= r)
        return {255, 255, 255};
    return {0, 0, 0}; // NaN
}

Rgb greyScale(float value, float low, float high)
{
    const float r = high - low;
    const float v = clampToRange(value, low, high);
    const uint8_t g = channel((v - low) * 255 / r);
    return {g, g, g};
}

Rgb temperature(float value, float low, float high)
{
    const float d = value - low;
    const float r = high - low;
    const float h = float(double(r) * 0.5);
    if (std::isinf(d) && d > 0)
        return {255, 0, 0};
    if (d < 0)
        return {0, 0, 255};
    if (d < h) {
        const uint8_t c = channel(d * 255 / h);
        return {c, c, 255};
    }
    if (d < 2 * h) {
        const uint8_t c = uint8_t(255 - channel((d - h) * 255 / h));
        return {255, c, c};
    }
    if (d >= 2 * h)
        return {255, 0, 0};
    return {0, 0, 255}; // NaN
}
} // namespace

namespace {
uint32_t packed(const Rgb& c)
{
    return 0xff000000u | uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | uint32_t(c.blue);
}

// The maps' channels stay in registers up to the packed colour.
uint32_t packedColor(float value, float low, float high, int map)
{
    switch (ColormapId(map)) {
    case ColormapId::BlackBody:
        return packed(blackBody(value, low, high));
    case ColormapId::GreyScale:
        return packed(greyScale(value, low, high));
    case ColormapId::Temperature:
        return packed(temperature(value, low, high));
    default:
        return packed(jet(value, low, high));
    }
}
} // namespace

Rgb colorFromValue(float value, float low, float high, int map)
{
    const uint32_t c = packedColor(value, low, high, map);
    return {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c)};
}

uint32_t opaqueArgbFromValue(float value, float low, float high, int map)
{
    return packedColor(value, low, high, map);
}

ValueRange widenToMinimumColorRange(ValueRange range)
{
    if (range.high - range.low < minimumColorRange) {
        const double x = (range.low + minimumColorRange - range.high) * 0.5;
        range.high = int(range.high + x);
        range.low = int(range.low - x);
    }
    return range;
}
