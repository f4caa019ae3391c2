#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Nearest-neighbour resampling that keeps the values exact: value i of the result is source
// value floor((i + 0.5) * n / m) for n source and m result values. An empty source gives
// m zeros.
std::vector<int16_t> resampleTrack(const std::vector<int16_t>& track, int m);

// The source index that value i of an m-value result takes from n source values.
inline int nearestSourceIndex(int i, int n, int m)
{
    // Exact in integers: floor((2i + 1) * n / 2m).
    return int((int64_t(2 * int64_t(i) + 1) * n) / (2 * int64_t(m)));
}
