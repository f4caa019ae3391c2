#pragma once

#include "visualization/terrainpick.h"

#include <vector>

class Terrain;

// What the read-out tells of a picked point. The track is the recorded one nearest to the
// point; its ground cell gives the distances.
struct PointReadout
{
    int track = 0;       // in walking order, from 1
    int row = 0;         // along that track's walk, from 1
    int stored = 0;      // the reading as recorded
    float shown = 0;     // the reading drawn at the point: filtered, interpolated across tracks
    double along = 0;    // metres from the start corner along the walking direction
    double across = 0;   // metres from the start corner across the tracks
};

PointReadout pointReadout(const Terrain& terrain, TerrainPoint point);

// The drawn readings through a picked point, ordered by their distance from the start corner
// (metres); `picked` is the index of the point itself.
struct Profile
{
    std::vector<double> metres;
    std::vector<float> readings;
    size_t picked = 0;
};

// Along the drawn column of the point, and across the field along its row.
Profile trackProfile(const Terrain& terrain, TerrainPoint point);
Profile rowProfile(const Terrain& terrain, TerrainPoint point);
