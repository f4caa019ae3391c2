#pragma once

// A zig-zag survey over oblique straight ridges with a little noise, whose reverse tracks'
// readings lie `lag` rows further along their own walking direction than where they were taken,
// as a probe that reports late leaves them.

#include "datasets/gridcleaning.h"

#include <cmath>
#include <random>

namespace StaggeredField {
inline GroundColumns grid(const FieldLayout& layout, int lag, unsigned seed = 7)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> place(0.0, layout.rows), width(3.0, 8.0), height(300.0, 1000.0);
    struct Ridge { double row, width, height; };
    std::vector<Ridge> ridges;
    for (int i = 0; i < 8; ++i)
        ridges.push_back({place(random), width(random), height(random)});
    std::normal_distribution<double> noise(0.0, 8.0);
    const auto truth = [&](int column, double row) {
        double v = 0;
        for (const Ridge& r : ridges) {
            const double d = (row - r.row - 0.7 * column) / r.width;
            v += r.height * std::exp(-0.5 * d * d);
        }
        return v;
    };
    GroundColumns columns(size_t(layout.columns), std::vector<int16_t>(size_t(layout.rows)));
    for (int c = 0; c < layout.columns; ++c) {
        const bool back = runsFromLastRow(layout.startIndex, layout.parallel, c);
        const int offset = isReverseColumn(layout, c) ? (back ? -lag : lag) : 0;
        for (int k = 0; k < layout.rows; ++k)
            columns[size_t(c)][size_t(k)] = int16_t(std::lround(truth(c, k - offset) + noise(random)));
    }
    return columns;
}

// The tracks in walking order, as a recording stores them.
inline std::vector<std::vector<int16_t>> tracks(const GroundColumns& columns, const FieldLayout& layout)
{
    std::vector<std::vector<int16_t>> walked(size_t(layout.columns), std::vector<int16_t>(size_t(layout.rows)));
    for (int t = 0; t < layout.columns; ++t)
        for (int r = 0; r < layout.rows; ++r) {
            const GroundPoint p = columnParityPosition(layout, t, r);
            walked[size_t(t)][size_t(r)] = columns[size_t(p.x)][size_t(p.y)];
        }
    return walked;
}
} // namespace StaggeredField
