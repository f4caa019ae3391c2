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

// The strip mesh: one strip per pair of neighbouring rows, vertex 2 (r width + k) is point
// (k, r) and the next one point (k, r + 1).
inline size_t stripVertexCount(int width, int length)
{
    return width > 0 && length > 1 ? size_t(2) * size_t(width) * size_t(length - 1) : 0;
}
inline size_t stripIndexCount(int width, int length)
{
    return width > 1 && length > 1 ? size_t(3) * size_t(2 * width - 2) * size_t(length - 1) : 0;
}

// Calls out[i] = value(k, r) for every strip vertex i in layout order.
template <typename PointValue>
void fillStrip(QVector3D* out, int width, int length, PointValue value)
{
    for (int r = 0; r + 1 < length; ++r) {
        for (int k = 0; k < width; ++k) {
            *out++ = value(k, r);
            *out++ = value(k, r + 1);
        }
    }
}

// Scene positions x = (k - width/2) dx, y = (length/2 - r) dy, z = height.
void fillStripPositions(const float* heights, int width, int length, SceneSpacing spacing,
                        BuildArray<QVector3D>& positions);
void fillStripNormals(const float* pointNormals, int width, int length,
                      BuildArray<QVector3D>& normals);
// Triangles (j, j+1, j+2) for odd and (j, j+2, j+1) for even j along each strip, so that the
// whole strip has one winding.
void fillStripIndices(int width, int length, BuildArray<uint32_t>& indices);
