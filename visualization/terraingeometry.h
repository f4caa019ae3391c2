#pragma once

#include "visualization/buildarray.h"
#include "visualization/terraingrid.h"

#include <QVector3D>
#include <cstdint>
#include <vector>

// Sizes a per-build array. Storage of the same size is reused; otherwise the old storage is
// released before the new is taken, so two builds never hold both at once.
template <typename Array>
void resizeForBuild(Array& array, size_t size)
{
    if (array.size() == size)
        return;
    Array().swap(array);
    array.resize(size);
}

struct HeightRange
{
    float minH = 0.0f;
    float maxH = 1.0f;
    bool degenerate = false;
};

// Heights (v - min) / (max - min) and raw values of the drawn points (columns 0 .. width - 1,
// rows 0 .. length - 1), index column + width * row. range is that of the whole grid,
// extras included. A flat grid gives 0.5 everywhere with minH 0 and maxH 1.
HeightRange normalizeHeights(const TerrainGrid& grid, int width, int length, SampleRange range,
                             float* heights, float* rawValues);

struct SceneSpacing
{
    float dx = 1.0f;
    float dy = 1.0f;
};

// The field spans 3.5 scene units along the rows, unless its width would then exceed 4.66;
// then the width is held at 4.66 and the length shrinks. Sizes that give no positive extent
// keep the previous spacing.
SceneSpacing sceneSpacing(float fieldWidth, float fieldLength, int width, int length,
                          SceneSpacing previous);

// Unit normal per grid point (3 floats each): the sum of the unit normals of the eight fan
// triangles around an interior point, of the two triangles along and inside a border, of
// the one triangle at a corner, normalised; a level field gives (0, 0, 1).
void computePointNormals(const float* heights, int width, int length, SceneSpacing spacing,
                         float* normals);

// The drawn mesh has one vertex per grid point, index column + width * row. Its triangles
// run in strips, one per pair of neighbouring rows: strip vertex j of the strip from row r is
// point (j / 2, r + j % 2), and the triangles are (j, j+1, j+2) for odd and (j, j+2, j+1) for
// even j, so that the whole strip has one winding.
inline size_t stripIndexCount(int width, int strips)
{
    return width > 1 && strips > 0 ? size_t(3) * size_t(2 * width - 2) * size_t(strips) : 0;
}

// The strips are drawn in blocks of rows that share one index list (indices relative to the
// block's first row), so that the index buffer stays small on a large field: as many strips
// per block as keep the list near a million indices, at least one.
int stripsPerBlock(int width, int length);
// The triangle indices of `strips` strips from row 0.
void fillBlockIndices(int width, int strips, BuildArray<uint32_t>& indices);

// Scene position of point (k, r): x = (k - width/2) dx, y = (length/2 - r) dy, z = height.
inline QVector3D gridPointPosition(int k, int r, int width, int length, SceneSpacing s, float height)
{
    return QVector3D(float(k - width / 2) * s.dx, float(length / 2 - r) * s.dy, height);
}

void fillPointPositions(const float* heights, int width, int length, SceneSpacing spacing,
                        BuildArray<QVector3D>& positions);
