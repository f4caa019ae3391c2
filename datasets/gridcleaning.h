#pragma once

#include "datasets/groundposition.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Cleaning steps that survey programs apply to a field before looking at it: destagger,
// despike and a percentile clip. They work on the grid of the 3D view (one vector per column
// across the field, each holding the readings along the walking direction, the zig-zag
// reversal counted on the column) and change it in place.
using GroundColumns = std::vector<std::vector<int16_t>>;

// The columns walked against the first track (the odd ones of a zig-zag walk, counted from the
// first track's column); none for a parallel walk.
bool isReverseColumn(const FieldLayout& layout, int column);

// The largest shift the estimate tries: a tenth of the track length, in whole rows.
int largestStaggerShift(int rows);

// The shift, in rows, that best lines each reverse column up with the mean of its neighbours
// (normalised cross-correlation summed over the reverse columns), one for the whole field.
// Positive: the reverse tracks' readings lie that many rows further along their own walking
// direction than where they were taken (the probe reports late). 0 for a parallel walk, a
// field of one track, or one without any variation.
int estimateStaggerShift(const GroundColumns& grid, const FieldLayout& layout);

// Moves every reverse column back by `shift` rows against its walking direction. Readings
// shifted out are dropped; the rows shifted in repeat the end reading, so the grid keeps its
// size. Columns are taken at `layout.rows` readings; extras beyond them stay.
void destagger(GroundColumns& grid, const FieldLayout& layout, int shift);

// Hampel filter along each column: a reading more than k robust deviations (median absolute
// deviation x 1.4826) from the median of the `window` readings around it becomes that median.
// The window shrinks at the column's ends. A run of equal readings (no deviation) stays.
constexpr int despikeWindow = 7;
constexpr double despikeDeviations = 3.0;
void despike(GroundColumns& grid, int window = despikeWindow, double deviations = despikeDeviations);

// The readings at two percentiles (0..100) of the first `rows` readings of every column: the
// reading at position round(p / 100 x (n - 1)) of the ascending order. Empty without readings.
struct PercentileRange
{
    int low = 0;
    int high = 0;
};
std::optional<PercentileRange> percentileRange(const GroundColumns& grid, size_t rows, double lowPercent,
                                               double highPercent);

// Readings below the range become its low end, those above it its high end.
void clipToRange(GroundColumns& grid, PercentileRange range);

// Percentiles (0..100) to clip a written grid at.
struct ClipPercentiles
{
    double low = 2.0;
    double high = 98.0;
};

// What a batch of surveys is cleaned with before it is written: the steps in this order.
struct GridCleaning
{
    bool destagger = false;
    // A fixed shift; without one the shift is estimated per dataset.
    std::optional<int> staggerShift;
    bool despike = false;
    std::optional<ClipPercentiles> clip;

    bool any() const { return destagger || despike || clip.has_value(); }
};

void cleanGrid(GroundColumns& grid, const FieldLayout& layout, const GridCleaning& cleaning);
