#pragma once

#include <QMatrix4x4>
#include <QPointF>
#include <QSizeF>
#include <optional>

class Terrain;

// A point of the drawn grid: column 0 .. terrainGridWidth - 1 across, row 0 .. terrainGridLength
// - 1 along the walk.
struct TerrainPoint
{
    int column = 0;
    int row = 0;
};

inline bool operator==(const TerrainPoint& a, const TerrainPoint& b)
{
    return a.column == b.column && a.row == b.row;
}

// The grid point nearest to where the line of sight through widget position `at` (logical
// pixels, y from the top, in a widget of `size`) first meets the drawn surface: the same
// triangles the view draws, under its model, view and projection matrices. None when the line
// passes beside the field.
std::optional<TerrainPoint> pickTerrainPoint(const Terrain& terrain, const QMatrix4x4& model,
                                             const QMatrix4x4& view, const QMatrix4x4& projection,
                                             QSizeF size, QPointF at);
