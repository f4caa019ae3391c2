#pragma once

#include "app/colormap.h"

#include <QVector3D>
#include <array>
#include <cstdint>
#include <vector>

// The colour range of the terrain: values are coloured as value - low within [0, span].
struct TerrainColorRange
{
    int low = 0;
    int span = 1;
};

// Blends the data's range (boundaryFactor 1) with the probe's range (boundaryFactor 0),
// widens it to minimumColorRange and replaces an empty range by low 0, span 1.
TerrainColorRange terrainColorRange(int gridMin, int gridMax, int sensorMin, int sensorMax,
                                    float boundaryFactor);

// Snaps t to the nearest multiple of span / 12, halves away from zero.
float quantizeToTwelfths(float t, int span);

struct TerrainColoring
{
    TerrainColorRange range;
    int map = 1;
    bool quantize = false;
};

// The colour (components 0..1) of one raw value.
QVector3D terrainColor(float rawValue, const TerrainColoring& coloring);

// Colours of the strip vertices over rawValues (index column + width * row): for every row
// r = 0 .. length - 2 and column k, first the point (k, r), then (k, r + 1).
std::vector<QVector3D> terrainStripColors(const float* rawValues, int width, int length,
                                          const TerrainColoring& coloring);

class SampleHistogram;

// Share of the readings, in percent rounded to integers, in five equal bins of `range`
// (0 lowest bin); readings outside it count in the nearest end bin.
std::array<int, 5> binPercentages(const SampleHistogram& histogram, ValueRange range);

// binPercentages of the values over the colour range blended by `blend`. Without scalar data
// the data range counts as 0..0.
std::array<int, 5> legendPercentages(const std::vector<int16_t>& values, bool scalar2,
                                     int sensorMin, int sensorMax, float blend);
