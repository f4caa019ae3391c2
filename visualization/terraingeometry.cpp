#include "visualization/terraingeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#if defined(__SSE2__)
#include <xmmintrin.h>
#include <emmintrin.h>
#endif

HeightRange normalizeHeights(const TerrainGrid& grid, int width, int length, SampleRange range,
                             float* heights, float* rawValues)
{
    const size_t points = size_t(width) * size_t(length);
    if (range.empty || range.min == range.max) {
        std::fill(heights, heights + points, 0.5f);
        std::fill(rawValues, rawValues + points, 0.5f);
        return {0.0f, 1.0f, true};
    }
    const float span = float(range.max - range.min);
    float minH = 1e33f;
    float maxH = -1e33f;
    // Blocks of columns, so that every row of a block writes whole cache lines while the
    // block's columns are read in order.
    constexpr int block = 16;
    for (int k0 = 0; k0 < width; k0 += block) {
        const int k1 = std::min(width, k0 + block);
        for (int r = 0; r < length; ++r) {
            for (int k = k0; k < k1; ++k) {
                const int v = grid[size_t(k)][size_t(r)];
                const float h = float(v - range.min) / span;
                const size_t index = size_t(k) + size_t(width) * size_t(r);
                heights[index] = h;
                rawValues[index] = float(v);
                minH = std::min(minH, h);
                maxH = std::max(maxH, h);
            }
        }
    }
    return {minH, maxH, false};
}

SceneSpacing sceneSpacing(float fieldWidth, float fieldLength, int width, int length,
                          SceneSpacing previous)
{
    float a = fieldWidth / fieldLength * 3.5f;
    float b = 3.5f;
    if (a > 4.66f) {
        b = 3.5f * 4.66f / a;
        a = 4.66f;
    }
    if (!(a > 0.0f && b > 0.0f) || width < 2 || length < 1)
        return previous;
    return {a / float(width - 1), b / float(length)};
}

namespace {
struct Vec
{
    float x, y, z;
};

inline Vec unit(float x, float y, float z)
{
    const float inverse = 1.0f / std::sqrt(x * x + y * y + z * z);
    return {x * inverse, y * inverse, z * inverse};
}

inline void add(float* target, const Vec& v)
{
    target[0] += v.x;
    target[1] += v.y;
    target[2] += v.z;
}

inline void normalizeInPlace(float* n)
{
    const float length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (length > 0.0f) {
        const float inverse = 1.0f / length;
        n[0] *= inverse;
        n[1] *= inverse;
        n[2] *= inverse;
    } else {
        n[0] = 0.0f;
        n[1] = 0.0f;
        n[2] = 1.0f;
    }
}

// A border or corner point: triangles with each consecutive pair of its axis neighbours,
// taken counter-clockwise, so the normals point up.
void borderNormal(const float* heights, int width, int length, SceneSpacing s, int i, int j,
                  float* n)
{
    static constexpr std::array<std::array<int, 2>, 4> ring{{{-1, 0}, {0, 1}, {1, 0}, {0, -1}}};
    const float h = heights[i + width * j];
    std::array<bool, 4> present{};
    std::array<Vec, 4> offset{};
    for (size_t q = 0; q < ring.size(); ++q) {
        const int ni = i + ring[q][0];
        const int nj = j + ring[q][1];
        present[q] = ni >= 0 && ni < width && nj >= 0 && nj < length;
        if (present[q])
            offset[q] = {float(ring[q][0]) * s.dx, -float(ring[q][1]) * s.dy,
                         heights[ni + width * nj] - h};
    }
    n[0] = n[1] = n[2] = 0.0f;
    for (size_t q = 0; q < ring.size(); ++q) {
        const size_t next = (q + 1) % ring.size();
        if (!present[q] || !present[next])
            continue;
        const Vec& a = offset[q];
        const Vec& b = offset[next];
        add(n, unit(a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x));
    }
    normalizeInPlace(n);
}
} // namespace

void computePointNormals(const float* heights, int width, int length, SceneSpacing s,
                         float* normals)
{
    const size_t points = size_t(width) * size_t(length);
    std::fill(normals, normals + 3 * points, 0.0f);
    const float area = s.dx * s.dy;
    // Each cell holds four of the fan triangles: two on its diagonal a-d, shared by a and d,
    // and two on its diagonal b-c, shared by b and c. Summed per cell, each triangle's
    // normal is taken once instead of once per point that uses it. The inverse lengths of
    // a row of cells come first, four cells at a time where the processor allows; they are
    // most of the work.
    const size_t cells = width > 1 ? size_t(width - 1) : 0;
    std::vector<float> inverse(4 * cells);
    float* invACD = inverse.data();
    float* invADB = invACD + cells;
    float* invABC = invADB + cells;
    float* invBCD = invABC + cells;
    for (int j = 0; j + 1 < length; ++j) {
        const float* top = heights + size_t(width) * size_t(j);
        const float* bottom = top + width;
        size_t i = 0;
#if defined(__SSE2__)
        const __m128 vdx = _mm_set1_ps(s.dx), vdy = _mm_set1_ps(s.dy);
        const __m128 zz = _mm_set1_ps(area * area), one = _mm_set1_ps(1.0f);
        const auto inverseLength = [&](__m128 x, __m128 y) {
            const __m128 squared = _mm_add_ps(_mm_add_ps(_mm_mul_ps(x, x), _mm_mul_ps(y, y)), zz);
            return _mm_div_ps(one, _mm_sqrt_ps(squared));
        };
        for (; i + 4 <= cells; i += 4) {
            const __m128 a = _mm_loadu_ps(top + i), b = _mm_loadu_ps(top + i + 1);
            const __m128 c = _mm_loadu_ps(bottom + i), d = _mm_loadu_ps(bottom + i + 1);
            const __m128 xAB = _mm_mul_ps(vdy, _mm_sub_ps(a, b)), xCD = _mm_mul_ps(vdy, _mm_sub_ps(c, d));
            const __m128 yCA = _mm_mul_ps(vdx, _mm_sub_ps(c, a)), yDB = _mm_mul_ps(vdx, _mm_sub_ps(d, b));
            _mm_storeu_ps(invACD + i, inverseLength(xCD, yCA));
            _mm_storeu_ps(invADB + i, inverseLength(xAB, yDB));
            _mm_storeu_ps(invABC + i, inverseLength(xAB, yCA));
            _mm_storeu_ps(invBCD + i, inverseLength(xCD, yDB));
        }
#endif
        for (; i < cells; ++i) {
            const float a = top[i], b = top[i + 1], c = bottom[i], d = bottom[i + 1];
            const float xAB = s.dy * (a - b), xCD = s.dy * (c - d);
            const float yCA = s.dx * (c - a), yDB = s.dx * (d - b);
            invACD[i] = 1.0f / std::sqrt(xCD * xCD + yCA * yCA + area * area);
            invADB[i] = 1.0f / std::sqrt(xAB * xAB + yDB * yDB + area * area);
            invABC[i] = 1.0f / std::sqrt(xAB * xAB + yCA * yCA + area * area);
            invBCD[i] = 1.0f / std::sqrt(xCD * xCD + yDB * yDB + area * area);
        }
        float* nTop = normals + 3 * size_t(width) * size_t(j);
        float* nBottom = nTop + 3 * size_t(width);
        for (i = 0; i < cells; ++i) {
            const float a = top[i], b = top[i + 1], c = bottom[i], d = bottom[i + 1];
            const float xAB = s.dy * (a - b), xCD = s.dy * (c - d);
            const float yCA = s.dx * (c - a), yDB = s.dx * (d - b);
            const Vec diagonalAD{xCD * invACD[i] + xAB * invADB[i], yCA * invACD[i] + yDB * invADB[i],
                                 area * (invACD[i] + invADB[i])};
            const Vec diagonalBC{xAB * invABC[i] + xCD * invBCD[i], yCA * invABC[i] + yDB * invBCD[i],
                                 area * (invABC[i] + invBCD[i])};
            add(nTop + 3 * i, diagonalAD);
            add(nBottom + 3 * (i + 1), diagonalAD);
            add(nTop + 3 * (i + 1), diagonalBC);
            add(nBottom + 3 * i, diagonalBC);
        }
    }
    for (int j = 1; j + 1 < length; ++j)
        for (int i = 1; i + 1 < width; ++i)
            normalizeInPlace(normals + 3 * (size_t(i) + size_t(width) * size_t(j)));
    const auto border = [&](int i, int j) {
        borderNormal(heights, width, length, s, i, j,
                     normals + 3 * (size_t(i) + size_t(width) * size_t(j)));
    };
    for (int j = 0; j < length; ++j) {
        if (j == 0 || j == length - 1) {
            for (int i = 0; i < width; ++i)
                border(i, j);
        } else if (width > 0) {
            border(0, j);
            if (width > 1)
                border(width - 1, j);
        }
    }
}

void fillPointPositions(const float* heights, int width, int length, SceneSpacing s,
                        BuildArray<QVector3D>& positions)
{
    resizeForBuild(positions, size_t(std::max(width, 0)) * size_t(std::max(length, 0)));
    QVector3D* out = positions.data();
    for (int r = 0; r < length; ++r)
        for (int k = 0; k < width; ++k, ++out)
            *out = gridPointPosition(k, r, width, length, s, heights[size_t(k) + size_t(width) * size_t(r)]);
}

int stripsPerBlock(int width, int length)
{
    constexpr size_t targetIndices = size_t(1) << 20;
    const size_t perStrip = std::max<size_t>(stripIndexCount(width, 1), 1);
    const size_t strips = std::max<size_t>(targetIndices / perStrip, 1);
    return int(std::min<size_t>(strips, size_t(std::max(length - 1, 1))));
}

void fillBlockIndices(int width, int strips, BuildArray<uint32_t>& indices)
{
    resizeForBuild(indices, stripIndexCount(width, strips));
    uint32_t* out = indices.data();
    const auto point = [width](int r, uint32_t j) {
        return (j >> 1) + uint32_t(width) * (uint32_t(r) + (j & 1u));
    };
    for (int r = 0; r < strips && width > 1; ++r) {
        const uint32_t end = uint32_t(2) * uint32_t(width) - 2;
        for (uint32_t j = 0; j < end; ++j) {
            const bool odd = (j & 1u) != 0;
            *out++ = point(r, j);
            *out++ = point(r, odd ? j + 1 : j + 2);
            *out++ = point(r, odd ? j + 2 : j + 1);
        }
    }
}
