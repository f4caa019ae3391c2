#pragma once

#include <cstdint>

// The colour map numbers of the setting "visualization/general/colormap". Any other
// number is drawn as Jet.
enum class ColormapId : int {
    Jet = 1,
    BlackBody = 2,
    GreyScale = 3,
    Temperature = 4,
};

struct Rgb
{
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

inline bool operator==(const Rgb& a, const Rgb& b)
{
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// The one mapping of a value within [low, high] to a colour, used by every coloured picture.
// `map` is a ColormapId number. Pure; an empty range (low == high) never divides by zero.
Rgb colorFromValue(float value, float low, float high, int map);

// The same colour, opaque and packed as 0xffRRGGBB (a QRgb), for pictures filled pixel by pixel:
// packed here, the three channels never pass through memory on the way.
uint32_t opaqueArgbFromValue(float value, float low, float high, int map);

// The smallest span, in value counts, that a colour range may have.
constexpr int minimumColorRange = 200;

// A closed value range [low, high] for colouring.
struct ValueRange
{
    int low = 0;
    int high = 0;
};

// Widens a range narrower than minimumColorRange symmetrically to it (truncating the new
// ends toward zero); wider ranges stay.
ValueRange widenToMinimumColorRange(ValueRange range);
