#include "visualization/terrainpick.h"

#include "visualization/terrain.h"

#include <QVector4D>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Grid units (x in columns, y in rows, z in heights) in double precision: a line of sight
// through a peak's very tip must not slip between the triangles that meet there.
struct Vec
{
    double x = 0, y = 0, z = 0;
    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec operator-(const Vec& o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec operator*(double f) const { return {x * f, y * f, z * f}; }
    double operator[](int axis) const { return axis == 0 ? x : axis == 1 ? y : z; }
};

double dot(const Vec& a, const Vec& b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

Vec cross(const Vec& a, const Vec& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

struct Ray
{
    Vec origin;
    Vec direction;
};

Vec unproject(const QMatrix4x4& inverse, float x, float y, float z)
{
    const QVector4D p = inverse * QVector4D(x, y, z, 1.0f);
    return {double(p.x()) / p.w(), double(p.y()) / p.w(), double(p.z()) / p.w()};
}

// Scene x = (k - W/2) dx and y = (L/2 - r) dy (integer halves, as the mesh is placed) turned
// into column k and row r; heights stay.
Vec toGrid(const Vec& scene, const Terrain& t)
{
    return {scene.x / t.dx() + t.terrainGridWidth() / 2, t.terrainGridLength() / 2 - scene.y / t.dy(), scene.z};
}

// Möller–Trumbore: the ray parameter where it crosses the triangle, if it does.
std::optional<double> crossing(const Ray& ray, const Vec& a, const Vec& b, const Vec& c)
{
    constexpr double edge = 1e-9;
    const Vec ab = b - a, ac = c - a;
    const Vec p = cross(ray.direction, ac);
    const double det = dot(ab, p);
    if (std::fabs(det) < 1e-15)
        return std::nullopt;
    const Vec s = ray.origin - a;
    const double u = dot(s, p) / det;
    if (u < -edge || u > 1 + edge)
        return std::nullopt;
    const Vec q = cross(s, ab);
    const double v = dot(ray.direction, q) / det;
    if (v < -edge || u + v > 1 + edge)
        return std::nullopt;
    const double t = dot(ac, q) / det;
    return t >= 0 ? std::optional<double>(t) : std::nullopt;
}

// The two triangles of cell (k, r) as the strips draw them: (k, r), (k + 1, r), (k, r + 1) and
// (k, r + 1), (k + 1, r), (k + 1, r + 1).
std::optional<double> cellCrossing(const Ray& ray, const Terrain& t, int k, int r)
{
    const int w = t.terrainGridWidth();
    const auto point = [&](int i, int j) {
        return Vec{double(i), double(j), t.heights()[size_t(i) + size_t(w) * size_t(j)]};
    };
    const Vec p00 = point(k, r), p10 = point(k + 1, r), p01 = point(k, r + 1), p11 = point(k + 1, r + 1);
    const std::optional<double> first = crossing(ray, p00, p10, p01);
    const std::optional<double> second = crossing(ray, p01, p10, p11);
    if (first && second)
        return std::min(*first, *second);
    return first ? first : second;
}

// Where the ray enters and leaves the box of the cells, heights within [low, high].
bool clipToBox(const Ray& ray, const Vec& low, const Vec& high, double& enter, double& leave)
{
    enter = 0.0;
    leave = std::numeric_limits<double>::max();
    for (int axis = 0; axis < 3; ++axis) {
        const double o = ray.origin[axis], d = ray.direction[axis];
        if (std::fabs(d) < 1e-15) {
            if (o < low[axis] || o > high[axis])
                return false;
            continue;
        }
        double a = (low[axis] - o) / d, b = (high[axis] - o) / d;
        if (a > b)
            std::swap(a, b);
        enter = std::max(enter, a);
        leave = std::min(leave, b);
    }
    return enter <= leave;
}

// Walks the cells under the ray from where it enters the box (a 2D grid traversal) and gives
// the first crossing's parameter.
std::optional<double> firstCrossing(const Ray& ray, const Terrain& t, double enter, double leave)
{
    const int cellsAcross = t.terrainGridWidth() - 1;
    const int cellsAlong = t.terrainGridLength() - 1;
    const Vec start = ray.origin + ray.direction * enter;
    int k = std::clamp(int(std::floor(start.x)), 0, cellsAcross - 1);
    int r = std::clamp(int(std::floor(start.y)), 0, cellsAlong - 1);
    const int stepK = ray.direction.x > 0 ? 1 : -1;
    const int stepR = ray.direction.y > 0 ? 1 : -1;
    constexpr double never = std::numeric_limits<double>::max();
    // The ray parameter at the next cell border across and along, and between two borders.
    const auto firstBorder = [&](double position, double direction, int cell, int step) {
        return std::fabs(direction) < 1e-15 ? never
                                            : enter + (double(step > 0 ? cell + 1 : cell) - position) / direction;
    };
    const auto between = [&](double direction) { return std::fabs(direction) < 1e-15 ? never : 1.0 / std::fabs(direction); };
    double nextK = firstBorder(start.x, ray.direction.x, k, stepK);
    double nextR = firstBorder(start.y, ray.direction.y, r, stepR);
    const double deltaK = between(ray.direction.x);
    const double deltaR = between(ray.direction.y);
    while (k >= 0 && k < cellsAcross && r >= 0 && r < cellsAlong) {
        if (const std::optional<double> hit = cellCrossing(ray, t, k, r))
            return hit;
        if (std::min(nextK, nextR) > leave)
            break;
        if (nextK < nextR) {
            k += stepK;
            nextK += deltaK;
        } else {
            r += stepR;
            nextR += deltaR;
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<TerrainPoint> pickTerrainPoint(const Terrain& terrain, const QMatrix4x4& model,
                                             const QMatrix4x4& view, const QMatrix4x4& projection,
                                             QSizeF size, QPointF at)
{
    const int width = terrain.terrainGridWidth();
    const int length = terrain.terrainGridLength();
    if (terrain.failed() || width < 2 || length < 2 || size.isEmpty()
        || terrain.heights().size() < size_t(width) * size_t(length))
        return std::nullopt;
    bool invertible = false;
    const QMatrix4x4 inverse = (projection * view * model).inverted(&invertible);
    if (!invertible)
        return std::nullopt;
    const float x = float(2.0 * at.x() / size.width() - 1.0);
    const float y = float(1.0 - 2.0 * at.y() / size.height());
    const Vec nearPoint = toGrid(unproject(inverse, x, y, -1.0f), terrain);
    const Vec farPoint = toGrid(unproject(inverse, x, y, 1.0f), terrain);
    const Ray ray{nearPoint, farPoint - nearPoint};
    const Vec low{0.0, 0.0, std::min(terrain.minH(), 0.0f) - 1e-3};
    const Vec high{double(width - 1), double(length - 1), std::max(terrain.maxH(), 1.0f) + 1e-3};
    double enter = 0, leave = 0;
    if (!clipToBox(ray, low, high, enter, leave))
        return std::nullopt;
    const std::optional<double> hit = firstCrossing(ray, terrain, enter, leave);
    if (!hit)
        return std::nullopt;
    const Vec p = ray.origin + ray.direction * *hit;
    return TerrainPoint{std::clamp(int(std::lround(p.x)), 0, width - 1), std::clamp(int(std::lround(p.y)), 0, length - 1)};
}
