#include "noise.h"

#include <algorithm>
#include <cmath>

namespace art {

float hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return static_cast<float>(h >> 8) / 16777216.0f;
}

static float smooth(float t) { return t * t * (3.0f - 2.0f * t); }

float valueNoise(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const float tx = smooth(x - fx), ty = smooth(y - fy);
    const float a = hash01(ix, iy, seed), b = hash01(ix + 1, iy, seed);
    const float c = hash01(ix, iy + 1, seed), d = hash01(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float fbm(float x, float y, int octaves, std::uint32_t seed)
{
    float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x, y, seed + 101u * static_cast<std::uint32_t>(o));
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return sum / total;
}

Cell cellular(float x, float y, std::uint32_t seed)
{
    const int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
    Cell cell{1e9f, 1e9f, 0.0f};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int cx = ix + dx, cy = iy + dy;
            const float px = cx + hash01(cx, cy, seed), py = cy + hash01(cx, cy, seed + 7u);
            const float d = std::hypot(px - x, py - y);
            if (d < cell.f1) {
                cell.f2 = cell.f1;
                cell.f1 = d;
                cell.id = hash01(cx, cy, seed + 13u);
            } else if (d < cell.f2) {
                cell.f2 = d;
            }
        }
    }
    return cell;
}

QColor mix(const QColor& a, const QColor& b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return QColor(static_cast<int>(a.red() + (b.red() - a.red()) * t),
                  static_cast<int>(a.green() + (b.green() - a.green()) * t),
                  static_cast<int>(a.blue() + (b.blue() - a.blue()) * t));
}

QColor shade(const QColor& c, float factor, int delta)
{
    auto channel = [&](int v) { return std::clamp(static_cast<int>(v * factor) + delta, 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

} // namespace art
