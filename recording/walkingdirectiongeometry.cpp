#include "recording/walkingdirectiongeometry.h"

#include "datasets/groundposition.h"

#include <algorithm>

namespace WalkingDirectionGeometry {

Margins margins(const QSize& widget)
{
    return {int(widget.width() * 0.075), int(widget.height() * 0.15)};
}

int trackStep(const QSize& widget, const Margins& m)
{
    return (widget.width() - 2 * m.x) / trackCount;
}

std::array<QPoint, 4> cornerCentres(const QSize& widget, const Margins& m)
{
    const int w = widget.width();
    const int h = widget.height();
    return {QPoint(m.x, m.y), QPoint(m.x, h - m.y), QPoint(w - m.x, h - m.y), QPoint(w - m.x, m.y)};
}

int cornerRadius(const Margins& m)
{
    return std::min(m.x, m.y) - penWidth;
}

int hitRadius(const Margins& m)
{
    return int(2 * std::min(m.x, m.y) * 1.5);
}

int hitCorner(const QPoint& press, const QSize& widget, const Margins& m, int current)
{
    const qint64 r = hitRadius(m);
    const std::array<QPoint, 4> centres = cornerCentres(widget, m);
    int corner = current;
    for (int i = 0; i < 4; ++i) {
        const qint64 dx = press.x() - centres[i].x();
        const qint64 dy = press.y() - centres[i].y();
        // Squared integer distances, so the boundary is exactly inclusive.
        if (dx * dx + dy * dy <= r * r)
            corner = i;
    }
    return corner;
}

std::array<bool, trackCount> arrowsPointDown(int corner, bool parallel)
{
    // Starting on the right, the leftmost track is the last one walked.
    const FieldLayout field{0, trackCount, corner, parallel};
    std::array<bool, trackCount> result{};
    for (int k = 0; k < trackCount; ++k)
        result[std::size_t(k)] = !runsFromLastRow(corner, parallel, columnOfTrack(field, k));
    return result;
}

QRect arrowRect(int k, const QSize& widget, const Margins& m)
{
    const int step = trackStep(widget, m);
    const int inner = widget.height() - 2 * m.y;
    const int x = int(m.x * 0.5 + k * step + int(step * 0.33));
    return QRect(x, int(inner * 0.33), int(step * 0.66), int(inner * 0.66));
}

QSize patternButtonSize(const QSize& chooser)
{
    const double s = int(std::min(chooser.width(), chooser.height()) * 0.5) * 0.9;
    return QSize(int(s), int(s * 0.33));
}

} // namespace WalkingDirectionGeometry
