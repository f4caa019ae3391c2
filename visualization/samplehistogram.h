#pragma once

#include "visualization/terraingrid.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// How often every 16-bit value occurs in a grid. Order statistics then cost one pass over
// the samples and no copy of them, unlike a sort or a selection on a copied list.
class SampleHistogram
{
public:
    explicit SampleHistogram(const TerrainGrid& grid);

    size_t count() const { return total; }
    // The sample at `position` (0 .. count() - 1) of the ascending order.
    int16_t orderStatistic(size_t position) const;

private:
    std::vector<size_t> counts;
    size_t total = 0;
};
