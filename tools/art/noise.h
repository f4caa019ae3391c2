// Small deterministic noise functions for the generated textures.
#pragma once

#include <QColor>

#include <cstdint>

namespace art {

// A hash of a lattice point, uniform in [0, 1).
float hash01(int x, int y, std::uint32_t seed);

// Smoothly interpolated lattice noise in [0, 1); one feature per unit.
float valueNoise(float x, float y, std::uint32_t seed);

// Sum of octaves of valueNoise, normalised to [0, 1).
float fbm(float x, float y, int octaves, std::uint32_t seed);

// Cellular noise: distances to the nearest and second nearest of one random point per unit cell,
// and a random number in [0, 1) of the nearest point's cell.
struct Cell {
    float f1;
    float f2;
    float id;
};
Cell cellular(float x, float y, std::uint32_t seed);

// Linear blend of two colours, t in [0, 1].
QColor mix(const QColor& a, const QColor& b, float t);

// A colour with every channel shifted by delta and scaled by factor, clamped.
QColor shade(const QColor& c, float factor, int delta = 0);

} // namespace art
