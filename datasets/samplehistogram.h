#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// How often every 16-bit value occurs among readings. Order statistics then cost one pass over
// the readings and no copy of them, unlike a sort or a selection on a copied list.
class SampleHistogram
{
public:
    // The first `rows` readings of every column (all of them by default, extras included).
    explicit SampleHistogram(const std::vector<std::vector<int16_t>>& columns,
                             size_t rows = std::numeric_limits<size_t>::max());
    explicit SampleHistogram(const std::vector<int16_t>& values);

    size_t count() const { return total; }
    // The reading at `position` (0 .. count() - 1) of the ascending order.
    int16_t orderStatistic(size_t position) const;
    // The reading at percentile p (0..100): position round(p / 100 x (count() - 1)).
    int16_t percentile(double p) const;
    size_t countOf(int value) const { return counts[size_t(value + offset)]; }

    static constexpr int lowest = -32768;
    static constexpr int highest = 32767;

private:
    static constexpr int offset = 32768;
    std::vector<size_t> counts;
    size_t total = 0;
};
