#include "datasets/groundposition.h"

#include "datasets/dataset.h"

#include <algorithm>

namespace {
GroundPoint place(const FieldLayout& layout, int column, int row, int parityNumber)
{
    const bool reversed = runsFromLastRow(layout.startIndex, layout.parallel, parityNumber);
    return {column, reversed ? layout.rows - 1 - row : row};
}
} // namespace

bool startsInLastColumn(int startIndex)
{
    return startIndex == 2 || startIndex == 3;
}

bool startsInLastRow(int startIndex)
{
    return startIndex == 1 || startIndex == 2;
}

int columnOfTrack(const FieldLayout& layout, int track)
{
    return startsInLastColumn(layout.startIndex) ? layout.columns - 1 - track : track;
}

bool runsFromLastRow(int startIndex, bool parallel, int parityNumber)
{
    const bool zigZagBack = !parallel && parityNumber % 2 != 0;
    return startsInLastRow(startIndex) != zigZagBack;
}

FieldLayout fieldLayoutOf(const Dataset& dataset)
{
    FieldLayout layout;
    layout.rows = dataset.getProperty(QStringLiteral("rows")).toInt();
    layout.columns = dataset.getProperty(QStringLiteral("columns")).toInt();
    layout.startIndex = dataset.getProperty(QStringLiteral("start index")).toInt();
    layout.parallel = dataset.getProperty(QStringLiteral("parallel")).toBool();
    return layout;
}

GroundDistance distanceFromStart(const FieldLayout& layout, double x, double y, double cellWidth,
                                 double cellLength)
{
    const double fromFirstRow = startsInLastRow(layout.startIndex) ? layout.rows - 1 - y : y;
    const double fromFirstColumn = startsInLastColumn(layout.startIndex) ? layout.columns - 1 - x : x;
    return {(fromFirstRow + 0.5) * cellLength, (fromFirstColumn + 0.5) * cellWidth};
}

GroundPoint walkingOrderPosition(const FieldLayout& layout, int track, int row)
{
    return place(layout, columnOfTrack(layout, track), row, track);
}

GroundPoint columnParityPosition(const FieldLayout& layout, int track, int row)
{
    const int column = columnOfTrack(layout, track);
    return place(layout, column, row, column);
}

std::vector<std::vector<int16_t>> groundGrid(const std::vector<int16_t>& values,
                                              const FieldLayout& layout,
                                              GroundArrangement arrangement)
{
    const int rows = std::max(layout.rows, 0);
    const int columns = std::max(layout.columns, 0);
    std::vector<std::vector<int16_t>> grid(size_t(columns), std::vector<int16_t>(size_t(rows), 0));
    size_t index = 0;
    for (int track = 0; track < columns; ++track) {
        for (int row = 0; row < rows; ++row, ++index) {
            if (index >= values.size())
                return grid;
            const GroundPoint point = arrangement(layout, track, row);
            grid[size_t(point.x)][size_t(point.y)] = values[index];
        }
    }
    return grid;
}
