#pragma once

#include "visualization/buildarray.h"
#include "visualization/terraincoloring.h"
#include "visualization/terraingrid.h"

#include <QVector3D>
#include <limits>
#include <vector>

// The colours of a grid's raw values: each whole value in `values` (the range of the grid the
// raw values came from) is coloured once and then looked up.
class PointColorTable
{
public:
    PointColorTable(const TerrainColoring& coloring, SampleRange values);
    QVector3D operator()(float raw);

private:
    TerrainColoring coloring;
    int low = 0;
    std::vector<QVector3D> table;
    float lastRaw = std::numeric_limits<float>::quiet_NaN();
    QVector3D lastColor;
};

// Colours of the grid points (index column + width * row) from the raw values, filled in
// place. `values` is the range of the grid the raw values came from: each whole value in it
// is coloured once and then looked up.
void fillPointColors(const float* rawValues, int width, int length, const TerrainColoring& coloring,
                     SampleRange values, BuildArray<QVector3D>& colors);
