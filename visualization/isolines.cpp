#include "visualization/isolines.h"

#include <QDebug>
#include <array>

namespace {
struct Corner
{
    int column;
    int row;
    float height;
};
} // namespace

std::vector<QVector3D> isolineSegments(const IsolineCells& cells, float level)
{
    std::vector<QVector3D> segments;
    const int width = cells.width;
    const int length = cells.length;
    if (!cells.heights || width < 2 || length < 3)
        return segments;
    const auto height = [&](int column, int row) {
        return cells.heights[size_t(column) + size_t(width) * size_t(row)];
    };
    const auto vertex = [&](const Corner& corner) {
        return gridPointPosition(corner.column, corner.row, width, length, cells.spacing, corner.height);
    };
    for (int r = 1; r + 1 < length; ++r) {
        for (int j = 1; j < width; ++j) {
            const std::array<Corner, 4> corners{{{j, r, height(j, r)},
                                                 {j, r - 1, height(j, r - 1)},
                                                 {j - 1, r - 1, height(j - 1, r - 1)},
                                                 {j - 1, r, height(j - 1, r)}}};
            std::array<QVector3D, 4> crossing;
            int count = 0;
            for (size_t q = 0; q < corners.size(); ++q) {
                const Corner& from = corners[q];
                const Corner& to = corners[(q + 1) % corners.size()];
                const bool crosses = (from.height < level && level < to.height)
                                     || (to.height < level && level < from.height);
                if (!crosses)
                    continue;
                const float t = (level - from.height) / (to.height - from.height);
                const QVector3D a = vertex(from);
                crossing[size_t(count++)] = a + t * (vertex(to) - a);
            }
            if (count == 2) {
                segments.push_back(crossing[0]);
                segments.push_back(crossing[1]);
            } else if (count == 4) {
                const float mean = (corners[0].height + corners[1].height + corners[2].height
                                    + corners[3].height) / 4.0f;
                const std::array<int, 4> order = level > mean ? std::array<int, 4>{0, 1, 2, 3}
                                                              : std::array<int, 4>{1, 2, 3, 0};
                for (const int q : order)
                    segments.push_back(crossing[size_t(q)]);
            } else if (count != 0) {
                qDebug().nospace() << "Error: Point size: " << count;
                qDebug().nospace() << "IsoValue: " << level << ", (" << corners[0].height << ", "
                                   << corners[1].height << ", " << corners[2].height << ", "
                                   << corners[3].height << ")";
            }
        }
    }
    return segments;
}
