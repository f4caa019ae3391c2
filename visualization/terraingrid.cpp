#include "visualization/terraingrid.h"

#include <algorithm>

TerrainGrid assembleGrid(const std::vector<int16_t>& values, const FieldLayout& layout)
{
    return groundGrid(values, layout, columnParityPosition);
}

SampleRange sampleRange(const TerrainGrid& grid)
{
    SampleRange range;
    for (const auto& column : grid) {
        if (column.empty())
            continue;
        const auto [lowest, highest] = std::minmax_element(column.begin(), column.end());
        if (range.empty) {
            range = {*lowest, *highest, false};
        } else {
            range.min = std::min<int>(range.min, *lowest);
            range.max = std::max<int>(range.max, *highest);
        }
    }
    return range;
}

size_t sampleCount(const TerrainGrid& grid)
{
    size_t n = 0;
    for (const auto& column : grid)
        n += column.size();
    return n;
}

size_t shortestColumn(const TerrainGrid& grid)
{
    if (grid.empty())
        return 0;
    size_t n = grid.front().size();
    for (const auto& column : grid)
        n = std::min(n, column.size());
    return n;
}
