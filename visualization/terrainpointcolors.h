#pragma once

#include "visualization/buildarray.h"
#include "visualization/terraincoloring.h"
#include "visualization/terraingrid.h"

#include <QVector3D>

// Colours of the grid points (index column + width * row) from the raw values, filled in
// place. `values` is the range of the grid the raw values came from: each whole value in it
// is coloured once and then looked up.
void fillPointColors(const float* rawValues, int width, int length, const TerrainColoring& coloring,
                     SampleRange values, BuildArray<QVector3D>& colors);
