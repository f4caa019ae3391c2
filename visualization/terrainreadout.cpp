#include "visualization/terrainreadout.h"

#include "datasets/groundposition.h"
#include "visualization/terrain.h"

#include <algorithm>
#include <cmath>

namespace {
FieldLayout layoutOf(const Terrain& t)
{
    const TerrainSource& s = t.source();
    return FieldLayout{s.rows, s.columns, s.startIndex, s.parallel};
}

// The recorded column a drawn column stands for: the spline runs from the first track (drawn
// column 0) to the last (the last drawn column), evenly between.
double recordedColumn(const Terrain& t, int drawnColumn)
{
    const int drawn = t.terrainGridWidth();
    const int columns = t.source().columns;
    return drawn > 1 && columns > 1 ? double(drawnColumn) * (columns - 1) / (drawn - 1) : 0.0;
}

GroundDistance distanceOf(const Terrain& t, double column, double row)
{
    const TerrainSource& s = t.source();
    const double cellWidth = s.columns > 0 ? double(s.width) / s.columns : 0.0;
    const double cellLength = s.rows > 0 ? double(s.length) / s.rows : 0.0;
    return distanceFromStart(layoutOf(t), column, row, cellWidth, cellLength);
}

// Orders a profile by distance from the start corner, keeping track of the picked point.
Profile ordered(std::vector<double> metres, std::vector<float> readings, size_t picked)
{
    Profile profile;
    if (metres.size() > 1 && metres.front() > metres.back()) {
        std::reverse(metres.begin(), metres.end());
        std::reverse(readings.begin(), readings.end());
        picked = metres.size() - 1 - picked;
    }
    profile.metres = std::move(metres);
    profile.readings = std::move(readings);
    profile.picked = picked;
    return profile;
}
} // namespace

PointReadout pointReadout(const Terrain& terrain, TerrainPoint point)
{
    const FieldLayout layout = layoutOf(terrain);
    PointReadout readout;
    const int column = int(std::lround(recordedColumn(terrain, point.column)));
    const int track = columnOfTrack(layout, column);
    const bool back = runsFromLastRow(layout.startIndex, layout.parallel, column);
    const int row = back ? layout.rows - 1 - point.row : point.row;
    readout.track = track + 1;
    readout.row = row + 1;
    const std::vector<int16_t>& values = terrain.source().values;
    const size_t index = size_t(track) * size_t(std::max(layout.rows, 0)) + size_t(row);
    readout.stored = index < values.size() ? values[index] : 0;
    readout.shown = terrain.drawnReading(point.column, point.row);
    const GroundDistance distance = distanceOf(terrain, column, point.row);
    readout.along = distance.along;
    readout.across = distance.across;
    return readout;
}

Profile trackProfile(const Terrain& terrain, TerrainPoint point)
{
    std::vector<double> metres;
    std::vector<float> readings;
    const double column = recordedColumn(terrain, point.column);
    for (int r = 0; r < terrain.terrainGridLength(); ++r) {
        metres.push_back(distanceOf(terrain, column, r).along);
        readings.push_back(terrain.drawnReading(point.column, r));
    }
    return ordered(std::move(metres), std::move(readings), size_t(point.row));
}

Profile rowProfile(const Terrain& terrain, TerrainPoint point)
{
    std::vector<double> metres;
    std::vector<float> readings;
    for (int k = 0; k < terrain.terrainGridWidth(); ++k) {
        metres.push_back(distanceOf(terrain, recordedColumn(terrain, k), point.row).across);
        readings.push_back(terrain.drawnReading(k, point.row));
    }
    return ordered(std::move(metres), std::move(readings), size_t(point.column));
}
