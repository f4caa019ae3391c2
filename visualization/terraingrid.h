#pragma once

#include "datasets/groundposition.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The working grid of the terrain: one vector per column (across the field), each holding
// the samples along the walking direction. Filters may append extra samples to the last
// column; they are counted in value ranges but never drawn.
using TerrainGrid = std::vector<std::vector<int16_t>>;

// The dataset's values (track after track) laid out as columns with the zig-zag reversal
// counted on the column. Values missing from a short list read 0.
TerrainGrid assembleGrid(const std::vector<int16_t>& values, const FieldLayout& layout);

struct SampleRange
{
    int min = 0;
    int max = 0;
    bool empty = true;
};

// Smallest and largest sample of all columns, extras included.
SampleRange sampleRange(const TerrainGrid& grid);

// Number of samples of all columns, extras included.
size_t sampleCount(const TerrainGrid& grid);

// Length of the shortest column; 0 for a grid without columns.
size_t shortestColumn(const TerrainGrid& grid);
