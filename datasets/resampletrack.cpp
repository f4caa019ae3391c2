#include "datasets/resampletrack.h"

std::vector<int16_t> resampleTrack(const std::vector<int16_t>& track, int m)
{
    if (m <= 0)
        return {};
    const int n = int(track.size());
    std::vector<int16_t> result(size_t(m), 0);
    if (n == 0)
        return result;
    for (int i = 0; i < m; ++i)
        result[size_t(i)] = track[size_t(nearestSourceIndex(i, n, m))];
    return result;
}
