#pragma once

#include "visualization/terraingrid.h"

// The user-selectable filters of the terrain. Each changes the grid in place; sample
// arithmetic is 16-bit and wraps when stored.

// Shifts every column but the first by trunc(global mean - column mean).
void trackMatchingFilter(TerrainGrid& grid);

// v becomes trunc(v / 3) * 3.
void valueQuantizationFilter(TerrainGrid& grid);

// Along each column a step smaller than 10 from the (already updated) previous sample is
// flattened to it.
void deltaFilter(TerrainGrid& grid);

// Keeps only the excess beyond the fences Q1 - IQR and Q3 + IQR (0 inside), then appends
// -min and -max to the last column so that the range is symmetric about zero.
void outlierFilter(TerrainGrid& grid);

// Four passes of trunc(0.5 a + 0.5 b): along each column forward and back, then across the
// columns forward and back.
void smoothingFilter(TerrainGrid& grid);
