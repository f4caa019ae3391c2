#pragma once

#include "visualization/terraingeometry.h"

#include <QString>
#include <QVector3D>
#include <vector>

// Where the terrain lies in the scene, as the overlay and the labels need it.
struct TerrainFrame
{
    int width = 0;       // grid columns after interpolation
    int length = 0;      // drawn grid rows
    SceneSpacing spacing;
    int rows = 0;        // dataset "rows"
    int tracks = 0;      // dataset "columns"
    int startIndex = 0;
    bool parallel = false;
    float minH = 0.0f;
};

// Line-list vertices at z = minH: a separator between neighbouring tracks, the border
// (left, right, top, bottom) and one arrowhead per track in its walking direction.
std::vector<QVector3D> trackGridLines(const TerrainFrame& frame);

// Two opposite corners of the depth box: the field's rectangle from z = 0 to z = 1.1.
struct DepthBox
{
    QVector3D low;
    QVector3D high;
};
DepthBox depthBox(const TerrainFrame& frame);

// The twelve edges of the depth box: four at the bottom, four at the top, four upright.
void appendDepthBoxLines(const TerrainFrame& frame, std::vector<QVector3D>& lines);

// The corner where the first track starts, at z = minH.
QVector3D startCornerPoint(const TerrainFrame& frame);

struct AxisLabel
{
    QVector3D position;
    QString text;
};

// Four width labels 0, w/3, 2w/3, w below the bottom edge and four length labels right of
// the right edge, each counted from the start corner's side.
std::vector<AxisLabel> axisLabels(const TerrainFrame& frame, float fieldWidth, float fieldLength);
