#pragma once

#include "visualization/terraingrid.h"

// Shared by the terrain, its renderer and the viewer's depth scale.
extern float depthFactor;    // 1 - relative position of the median deviation; 0 at start
extern float soilDepthScale; // metres per unit of the depth scale; 0 at start

// Every sample v becomes trunc(|mean - v|), mean taken in single precision. The minimum
// minus 200 is appended to the last column first (and transformed too), so the range is at
// least 200 wide.
void depthDeviationTransform(TerrainGrid& grid);

// 1 - (median - min) / (max - min) over all samples. A grid without samples or with a single
// value has no spread; it gives 1.
float depthFactorOf(const TerrainGrid& grid);
