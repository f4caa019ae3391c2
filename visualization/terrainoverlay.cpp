#include "visualization/terrainoverlay.h"

#include "datasets/groundposition.h"

#include <QVector2D>
#include <algorithm>
#include <array>

namespace {
// The field's rectangle in the scene; left/top hold the first grid column and row.
struct Rectangle
{
    float left, right, top, bottom;
};

Rectangle rectangleOf(const TerrainFrame& f)
{
    const int m = -(f.width / 2);
    const int l = f.length / 2;
    return {float(m) * f.spacing.dx, float(f.width + m - 1) * f.spacing.dx,
            float(l) * f.spacing.dy, float(l - (f.rows - 1)) * f.spacing.dy};
}

void addLine(std::vector<QVector3D>& lines, const QVector3D& a, const QVector3D& b)
{
    lines.push_back(a);
    lines.push_back(b);
}

// Whether the track drawn in grid column n of the tracks is walked toward the first row. The
// arrows follow the walking order, as the recorded tracks were walked.
bool trackRunsUp(const TerrainFrame& f, int n)
{
    const FieldLayout layout{f.rows, f.tracks, f.startIndex, f.parallel};
    return runsFromLastRow(f.startIndex, f.parallel, columnOfTrack(layout, n));
}

QString number(double value)
{
    return QStringLiteral("%1").arg(value, 0, 'g', 2);
}
} // namespace

std::vector<QVector3D> trackGridLines(const TerrainFrame& f)
{
    std::vector<QVector3D> lines;
    const Rectangle box = rectangleOf(f);
    const float z = f.minH;
    const float dx = f.spacing.dx;
    const float dy = f.spacing.dy;
    const float m = float(-(f.width / 2));
    const float l = float(f.length / 2);
    // Grid columns per track. Counting tracks instead of testing o < W - 1 keeps the number
    // of lines exact whatever the rounding of the products.
    const float h = f.tracks > 0 ? float(f.width - 1) / float(f.tracks) : 0.0f;
    for (int n = 1; n < f.tracks; ++n) {
        const float x = (float(n) * h + m) * dx;
        addLine(lines, {x, box.top, z}, {x, box.bottom, z});
    }
    addLine(lines, {box.left, box.top, z}, {box.left, box.bottom, z});
    addLine(lines, {box.right, box.top, z}, {box.right, box.bottom, z});
    addLine(lines, {box.left, box.top, z}, {box.right, box.top, z});
    addLine(lines, {box.left, box.bottom, z}, {box.right, box.bottom, z});

    const float size = 0.5f * std::max(dy, dx * h);
    const float yA = 0.01f * l * dy;
    const float yB = 0.01f * (l - float(f.rows) - 1.0f) * dy;
    for (int n = 0; n < f.tracks; ++n) {
        const bool runsUp = trackRunsUp(f, n);
        const float x = (float(n) * h + 0.5f * h + m) * dx;
        const float tipY = runsUp ? yB : yA;
        const float otherY = runsUp ? yA : yB;
        const QVector2D u = QVector2D(0.0f, tipY - otherY).normalized();
        const QVector3D tip(x, tipY, z);
        const QVector2D sideA = QVector2D(u.x() - u.y(), u.x() + u.y()).normalized() * size;
        const QVector2D sideB = QVector2D(u.y() + u.x(), u.y() - u.x()).normalized() * size;
        const QVector3D a = tip + QVector3D(sideA, 0.0f);
        const QVector3D b = tip + QVector3D(sideB, 0.0f);
        addLine(lines, tip, a);
        addLine(lines, a, b);
        addLine(lines, b, tip);
    }
    return lines;
}

DepthBox depthBox(const TerrainFrame& f)
{
    const Rectangle box = rectangleOf(f);
    return {{box.left, box.top, 0.0f}, {box.right, box.bottom, 1.1f}};
}

void appendDepthBoxLines(const TerrainFrame& f, std::vector<QVector3D>& lines)
{
    const Rectangle box = rectangleOf(f);
    const std::array<QVector2D, 4> corners{{{box.left, box.top},
                                            {box.right, box.top},
                                            {box.right, box.bottom},
                                            {box.left, box.bottom}}};
    for (const float z : {0.0f, 1.1f})
        for (size_t q = 0; q < corners.size(); ++q)
            addLine(lines, QVector3D(corners[q], z), QVector3D(corners[(q + 1) % corners.size()], z));
    for (const QVector2D& corner : corners)
        addLine(lines, QVector3D(corner, 0.0f), QVector3D(corner, 1.1f));
}

QVector3D startCornerPoint(const TerrainFrame& f)
{
    const Rectangle box = rectangleOf(f);
    return {startsInLastColumn(f.startIndex) ? box.right : box.left,
            startsInLastRow(f.startIndex) ? box.bottom : box.top, f.minH};
}

std::vector<AxisLabel> axisLabels(const TerrainFrame& f, float fieldWidth, float fieldLength)
{
    const Rectangle box = rectangleOf(f);
    const bool fromRight = startsInLastColumn(f.startIndex);
    const bool fromBottom = startsInLastRow(f.startIndex);
    const float widthStart = fromRight ? box.right : box.left;
    const float widthEnd = fromRight ? box.left : box.right;
    const float lengthStart = fromBottom ? box.bottom : box.top;
    const float lengthEnd = fromBottom ? box.top : box.bottom;
    std::vector<AxisLabel> labels;
    for (int n = 0; n <= 3; ++n) {
        const float x = widthStart + (widthEnd - widthStart) * float(n) / 3.0f;
        labels.push_back({{x, box.bottom - 0.2f, f.minH}, number(double(fieldWidth) * n / 3.0)});
    }
    for (int n = 0; n <= 3; ++n) {
        const float y = lengthStart + (lengthEnd - lengthStart) * float(n) / 3.0f;
        labels.push_back({{box.right + 0.1f, y, f.minH}, number(double(fieldLength) * n / 3.0)});
    }
    return labels;
}
