#include "visualization/terrainmesh.h"

#include "visualization/terraingeometry.h"

#include <cmath>

void TerrainMesh::release()
{
    BuildArray<QVector3D>().swap(positions);
    BuildArray<float>().swap(normals);
    BuildArray<QVector3D>().swap(colors);
    BuildArray<uint32_t>().swap(blockIndices);
}

int reducedMeshStep(int width, int length)
{
    if (width < 2 || length < 2)
        return 1;
    const double points = double(width) * double(length);
    if (points <= double(fullMeshPointsAlone))
        return 1;
    int step = std::max(1, int(std::ceil(std::sqrt(points / double(reducedMeshPoints)))));
    while (step > 1 && size_t(reducedExtent(width, step)) * size_t(reducedExtent(length, step)) > reducedMeshPoints)
        ++step;
    return step;
}

int reducedExtent(int extent, int step)
{
    return extent < 1 ? 0 : (extent - 1 + step - 1) / step + 1;
}

namespace {
// Calls pick(from, to) for every reduced point, `from` indexing the full grid.
template <typename Pick>
void forReducedPoints(const TerrainMesh& full, int step, int width, int length, Pick pick)
{
    size_t to = 0;
    for (int r = 0; r < length; ++r) {
        const size_t row = size_t(reducedIndex(r, full.length, step)) * size_t(full.width);
        for (int k = 0; k < width; ++k)
            pick(row + size_t(reducedIndex(k, full.width, step)), to++);
    }
}
} // namespace

void reduceMesh(const TerrainMesh& full, const float* heights, SceneSpacing spacing, int step,
                TerrainMesh& reduced)
{
    reduced.width = reducedExtent(full.width, step);
    reduced.length = reducedExtent(full.length, step);
    const size_t points = reduced.points();
    resizeForBuild(reduced.positions, points);
    resizeForBuild(reduced.normals, 3 * points);
    forReducedPoints(full, step, reduced.width, reduced.length, [&](size_t from, size_t to) {
        const int k = int(from % size_t(full.width));
        const int r = int(from / size_t(full.width));
        reduced.positions[to] = gridPointPosition(k, r, full.width, full.length, spacing, heights[from]);
        for (size_t c = 0; c < 3; ++c)
            reduced.normals[3 * to + c] = full.normals[3 * from + c];
    });
    reduced.stripsPerBlock = stripsPerBlock(reduced.width, reduced.length);
    fillBlockIndices(reduced.width, reduced.stripsPerBlock, reduced.blockIndices);
}

void reduceColors(const TerrainMesh& full, const float* rawValues, PointColorTable& color, int step,
                  TerrainMesh& reduced)
{
    resizeForBuild(reduced.colors, reduced.points());
    forReducedPoints(full, step, reduced.width, reduced.length,
                     [&](size_t from, size_t to) { reduced.colors[to] = color(rawValues[from]); });
}
