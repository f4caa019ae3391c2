#include "visualization/crosstrackspline.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int order = 5;

// Knot t_j of the clamped knot vector t_0 .. t_{5T+4}.
inline double knot(int j, int columns)
{
    return double(std::clamp(j - (order - 1), 0, order * columns - (order - 1)));
}
} // namespace

SplineWeights crossTrackSplineWeights(int columns, double u)
{
    const int controlPoints = order * columns;
    // u lies in [t_s, t_{s+1}); only N_{s-4} .. N_s can be non-zero there.
    const int s = std::clamp(int(std::floor(u)) + order - 1, order - 1, controlPoints - 1);
    const int first = s - (order - 1);

    // Cox-de Boor over the window first .. s + 1, with the same expressions term by term as
    // the full recursion; basis functions outside the window are exact zeros, so every
    // value here is bit for bit the one of the full evaluation.
    std::array<double, order + 1> n{};
    for (int i = 0; i <= order; ++i) {
        const int k = first + i;
        n[size_t(i)] = (knot(k, columns) <= u && u < knot(k + 1, columns)) ? 1.0 : 0.0;
    }
    for (int p = 2; p <= order; ++p) {
        for (int i = 0; i < order; ++i) {
            const int k = first + i;
            const double tk = knot(k, columns);
            const double tk1 = knot(k + 1, columns);
            const double tkp1 = knot(k + p - 1, columns);
            const double tkp = knot(k + p, columns);
            double left = 0.0;
            double right = 0.0;
            if (tkp1 - tk != 0.0)
                left = (u - tk) / (tkp1 - tk) * n[size_t(i)];
            if (tkp - tk1 != 0.0)
                right = (tkp - u) / (tkp - tk1) * n[size_t(i + 1)];
            n[size_t(i)] = left + right;
        }
        n[order] = 0.0;
    }
    SplineWeights result;
    result.first = first;
    std::copy(n.begin(), n.begin() + order, result.weights.begin());
    return result;
}

namespace {
// One output column: the weighted sum in ascending k, started from the first non-zero term
// (0.0 plus it is the term itself), then truncated toward zero.
void interpolateColumn(const TerrainGrid& input, const SplineWeights& w, size_t rows,
                       int16_t* __restrict out)
{
    const int16_t* __restrict p0 = input[size_t((w.first + 0) / order)].data();
    const int16_t* __restrict p1 = input[size_t((w.first + 1) / order)].data();
    const int16_t* __restrict p2 = input[size_t((w.first + 2) / order)].data();
    const int16_t* __restrict p3 = input[size_t((w.first + 3) / order)].data();
    const int16_t* __restrict p4 = input[size_t((w.first + 4) / order)].data();
    const double w0 = w.weights[0], w1 = w.weights[1], w2 = w.weights[2], w3 = w.weights[3],
                 w4 = w.weights[4];
    for (size_t i = 0; i < rows; ++i) {
        double sum = w0 * double(p0[i]);
        sum += w1 * double(p1[i]);
        sum += w2 * double(p2[i]);
        sum += w3 * double(p3[i]);
        sum += w4 * double(p4[i]);
        out[i] = int16_t(int(sum));
    }
}
} // namespace

TerrainGrid crossTrackSpline(const TerrainGrid& input)
{
    const int columns = int(input.size());
    TerrainGrid output;
    output.reserve(size_t(10) * input.size());
    for (const auto& column : input)
        for (int copy = 0; copy < 10; ++copy)
            output.push_back(column);
    if (columns <= 1)
        return output;

    const size_t rows = shortestColumn(input);
    const int last = 10 * columns - 1;
    const double step = double(order * columns - (order - 1)) / double(last);
    double u = 0.0;
    for (int m = 0; m < last; ++m, u += step)
        interpolateColumn(input, crossTrackSplineWeights(columns, u), rows, output[size_t(m)].data());
    // The last output column keeps the last input column as copied.
    return output;
}
