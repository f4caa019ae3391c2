#pragma once

#include "visualization/terraingrid.h"

#include <array>

// Tenfold interpolation across the columns: a clamped uniform B-spline of order 5 over the
// column values, each repeated five times as control points, sampled at 10T points per row.
// Output column m starts as a copy of input column m / 10 (extras included); rows below the
// shortest column's length are interpolated. One column is only copied.
TerrainGrid crossTrackSpline(const TerrainGrid& input);

// The at most five non-zero basis functions of the spline over T columns at one parameter u
// (0 <= u < 5T - 4): first is the index k of weights[0]; the others are exactly zero there.
struct SplineWeights
{
    int first = 0;
    std::array<double, 5> weights{};
};
SplineWeights crossTrackSplineWeights(int columns, double u);
