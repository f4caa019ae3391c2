#include "visualization/terrainpointcolors.h"

#include "visualization/terraingeometry.h"

#include <algorithm>

PointColorTable::PointColorTable(const TerrainColoring& coloring, SampleRange values)
    : coloring(coloring)
    , low(values.min)
{
    if (values.empty)
        return;
    table.reserve(size_t(values.max - values.min + 1));
    for (int v = values.min; v <= values.max; ++v)
        table.push_back(terrainColor(float(v), coloring));
}

QVector3D PointColorTable::operator()(float raw)
{
    const int whole = int(raw);
    const size_t slot = size_t(whole - low);
    if (float(whole) == raw && whole >= low && slot < table.size())
        return table[slot];
    // A flat field's 0.5 everywhere: one colour, worked out once.
    if (!(raw == lastRaw)) {
        lastRaw = raw;
        lastColor = terrainColor(raw, coloring);
    }
    return lastColor;
}

void fillPointColors(const float* rawValues, int width, int length, const TerrainColoring& coloring,
                     SampleRange values, BuildArray<QVector3D>& colors)
{
    const size_t points = size_t(std::max(width, 0)) * size_t(std::max(length, 0));
    resizeForBuild(colors, points);
    PointColorTable color(coloring, values);
    for (size_t i = 0; i < points; ++i)
        colors[i] = color(rawValues[i]);
}
