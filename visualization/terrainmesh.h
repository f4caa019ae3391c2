#pragma once

#include "visualization/buildarray.h"
#include "visualization/terraingeometry.h"
#include "visualization/terrainpointcolors.h"

#include <QVector3D>
#include <algorithm>
#include <cstdint>

// The vertex arrays of one drawn mesh, one vertex per point of a width x length grid (index
// column + width * row), and the triangle indices of one block of strips (see stripsPerBlock).
struct TerrainMesh
{
    int width = 0;
    int length = 0;
    BuildArray<QVector3D> positions;
    BuildArray<float> normals; // three per point
    BuildArray<QVector3D> colors;
    BuildArray<uint32_t> blockIndices;
    int stripsPerBlock = 0;

    bool empty() const { return width < 2 || length < 2; }
    size_t points() const { return size_t(width) * size_t(length); }
    void release();
};

// The reduced mesh's step on a width x length grid: 1 (no reduced mesh) up to
// fullMeshPointsAlone points (a typical field turns smoothly in full), else the smallest step
// that brings it under reducedMeshPoints.
constexpr size_t fullMeshPointsAlone = 400000;
constexpr size_t reducedMeshPoints = 50000;
int reducedMeshStep(int width, int length);

// Columns and rows of the reduced mesh: every step-th, with the last one always kept.
int reducedExtent(int extent, int step);
inline int reducedIndex(int i, int extent, int step)
{
    return std::min(i * step, extent - 1);
}

// Every step-th point (and the last column and row) of the full mesh: its position from the
// heights as the full mesh has it, its normal from the full mesh's normals.
void reduceMesh(const TerrainMesh& full, const float* heights, SceneSpacing spacing, int step,
                TerrainMesh& reduced);
// The reduced mesh's colours from the full grid's raw values.
void reduceColors(const TerrainMesh& full, const float* rawValues, PointColorTable& color, int step,
                  TerrainMesh& reduced);
