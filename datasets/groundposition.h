#pragma once

#include <cstdint>
#include <vector>

class Dataset;

// How a dataset's tracks were walked: the grid size, the starting corner ("start index":
// 0 first column/first row, 1 first column/last row, 2 last column/last row, 3 last
// column/first row) and the pattern ("parallel" false means zig-zag).
struct FieldLayout
{
    int rows = 0;
    int columns = 0;
    int startIndex = 0;
    bool parallel = false;
};

FieldLayout fieldLayoutOf(const Dataset& dataset);

// The sides of the starting corner: start index 2 and 3 begin in the last column, 1 and 2
// in the last row.
bool startsInLastColumn(int startIndex);
bool startsInLastRow(int startIndex);

// The column track `track` lies in. The rule is its own inverse: it also gives the track
// that lies in a column.
int columnOfTrack(const FieldLayout& layout, int track);

// Whether the track numbered `parityNumber` runs from the last row toward the first: the
// starting row decides, and a zig-zag walk turns round on every odd number.
bool runsFromLastRow(int startIndex, bool parallel, int parityNumber);

// Where a value lies on the ground: x across the tracks (0 .. columns - 1), y along them
// (0 .. rows - 1).
struct GroundPoint
{
    int x = 0;
    int y = 0;
};

inline bool operator==(const GroundPoint& a, const GroundPoint& b) { return a.x == b.x && a.y == b.y; }

// Value `row` of track `track`, zig-zag reversal counted on the track number: every second
// track in walking order runs back. The stored preview image uses this arrangement.
GroundPoint walkingOrderPosition(const FieldLayout& layout, int track, int row);

// The same, but zig-zag reversal counted on the column the track lies in. The 3D view and
// the VTK export use this arrangement. It differs from the walking order only for a zig-zag
// field started in the last column (start index 2 or 3) with an even number of columns.
GroundPoint columnParityPosition(const FieldLayout& layout, int track, int row);

using GroundArrangement = GroundPoint (*)(const FieldLayout&, int, int);

// How far the centre of ground cell (x, y) lies from the start corner, in the field's units
// (metres), for cells of cellWidth across by cellLength along: along the walking direction and
// across the tracks. x and y may fall between cells.
struct GroundDistance
{
    double along = 0;
    double across = 0;
};
GroundDistance distanceFromStart(const FieldLayout& layout, double x, double y, double cellWidth,
                                 double cellLength);

// The values (track after track, as Dataset::values() gives them) laid out on the ground:
// result[x][y]. Missing values read 0.
std::vector<std::vector<int16_t>> groundGrid(const std::vector<int16_t>& values,
                                              const FieldLayout& layout,
                                              GroundArrangement arrangement);
