#pragma once

#include "visualization/terraingeometry.h"

#include <QVector3D>
#include <vector>

struct IsolineCells
{
    const float* heights = nullptr; // index column + width * row
    int width = 0;
    int length = 0;
    SceneSpacing spacing;
};

// Line-list vertices of the level `level` over the cells between rows r - 1 and r
// (r = 1 .. length - 2) and columns j - 1 and j. A crossing lies strictly between two corner
// heights, interpolated between the corners' scene positions. A saddle (four crossings) is
// split by the mean of its corners. Cells with one or three crossings are logged and skipped.
std::vector<QVector3D> isolineSegments(const IsolineCells& cells, float level);
