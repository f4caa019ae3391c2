#include "datasets/gridcleaning.h"

#include "datasets/samplehistogram.h"

#include <kissfft/kissfft.hh>

#include <algorithm>
#include <cmath>
#include <complex>

namespace {
using Complex = std::complex<double>;

// +1 where a column's readings run toward higher rows as it was walked, -1 where they run back.
int rowDirection(const FieldLayout& layout, int column)
{
    return runsFromLastRow(layout.startIndex, layout.parallel, column) ? -1 : 1;
}

// Sizes made of 2, 3 and 5 keep the transform fast.
size_t fastTransformSize(size_t atLeast)
{
    for (size_t n = std::max<size_t>(atLeast, 1);; ++n) {
        size_t m = n;
        for (size_t f : {2, 3, 5})
            while (m % f == 0)
                m /= f;
        if (m == 1)
            return n;
    }
}

// A track's readings, or the mean of its neighbours, less their mean: the correlation sums then
// stay small and the transform keeps its precision.
struct Series
{
    std::vector<double> values;
    std::vector<double> sums;     // prefix sums, sums[k] over values[0 .. k - 1]
    std::vector<double> squares;  // the same for the squares

    explicit Series(std::vector<double> v)
        : values(std::move(v))
    {
        double mean = 0;
        for (double x : values)
            mean += x;
        mean /= double(std::max<size_t>(values.size(), 1));
        sums.assign(values.size() + 1, 0.0);
        squares.assign(values.size() + 1, 0.0);
        for (size_t k = 0; k < values.size(); ++k) {
            values[k] -= mean;
            sums[k + 1] = sums[k] + values[k];
            squares[k + 1] = squares[k] + values[k] * values[k];
        }
    }
    double sum(int from, int to) const { return sums[size_t(to)] - sums[size_t(from)]; }
    double square(int from, int to) const { return squares[size_t(to)] - squares[size_t(from)]; }
};

// Sum over k of x[k + m] y[k] for every m, through one transform of x + i y and one back.
std::vector<double> crossCorrelation(const Series& x, const Series& y, const kissfft<double>& forward,
                                     const kissfft<double>& inverse, size_t n)
{
    std::vector<Complex> z(n), spectrum(n);
    for (size_t k = 0; k < x.values.size(); ++k)
        z[k] = Complex(x.values[k], y.values[k]);
    forward.transform(z.data(), spectrum.data());
    for (size_t f = 0; f < n; ++f) {
        const Complex a = spectrum[f];
        const Complex b = std::conj(spectrum[(n - f) % n]);
        const Complex xf = (a + b) * 0.5;
        const Complex yf = (a - b) * Complex(0.0, -0.5);
        z[f] = xf * std::conj(yf);
    }
    inverse.transform(z.data(), spectrum.data());
    std::vector<double> result(n);
    for (size_t k = 0; k < n; ++k)
        result[k] = spectrum[k].real() / double(n);
    return result;
}

// Normalised cross-correlation of x[k + m] with y[k] over the rows both have.
double correlationAt(const Series& x, const Series& y, const std::vector<double>& products, int m, int rows)
{
    const int from = std::max(0, -m);
    const int to = std::min(rows, rows - m);
    const double count = to - from;
    if (count < 2)
        return 0;
    const double sx = x.sum(from + m, to + m);
    const double sy = y.sum(from, to);
    const size_t n = products.size();
    const double sxy = products[(size_t(m) + n) % n];
    const double vx = x.square(from + m, to + m) - sx * sx / count;
    const double vy = y.square(from, to) - sy * sy / count;
    // A flat stretch has no direction to match.
    if (!(vx > 1e-9 * count) || !(vy > 1e-9 * count))
        return 0;
    return (sxy - sx * sy / count) / std::sqrt(vx * vy);
}

std::vector<double> firstRows(const std::vector<int16_t>& column, int rows)
{
    return std::vector<double>(column.begin(), column.begin() + rows);
}

// The mean of a column's neighbours (one at the field's edge).
std::vector<double> neighbourMean(const GroundColumns& grid, int column, int rows)
{
    std::vector<double> mean(size_t(rows), 0.0);
    int count = 0;
    for (int c : {column - 1, column + 1}) {
        if (c < 0 || c >= int(grid.size()))
            continue;
        ++count;
        for (int k = 0; k < rows; ++k)
            mean[size_t(k)] += grid[size_t(c)][size_t(k)];
    }
    for (double& v : mean)
        v /= count;
    return mean;
}

// The median of a few readings (sorted in place); the mean of the middle two for an even count.
double medianOf(double* values, int count)
{
    std::sort(values, values + count);
    return count % 2 ? values[count / 2] : 0.5 * (values[count / 2 - 1] + values[count / 2]);
}

void despikeColumn(std::vector<int16_t>& column, int window, double deviations)
{
    const int n = int(column.size());
    const int half = window / 2;
    const std::vector<int16_t> original = column;
    std::vector<double> around(static_cast<size_t>(window)), spread(static_cast<size_t>(window));
    // The median absolute deviation estimates one standard deviation of normal noise.
    const double limit = deviations * 1.4826;
    for (int j = 0; j < n; ++j) {
        const int from = std::max(0, j - half);
        const int to = std::min(n, j + half + 1);
        const int count = to - from;
        std::copy(original.begin() + from, original.begin() + to, around.begin());
        const double median = medianOf(around.data(), count);
        const double offset = std::fabs(original[size_t(j)] - median);
        if (offset == 0)
            continue;
        for (int i = 0; i < count; ++i)
            spread[size_t(i)] = std::fabs(around[size_t(i)] - median);
        if (offset > limit * medianOf(spread.data(), count))
            column[size_t(j)] = int16_t(std::lround(median));
    }
}
} // namespace

bool isReverseColumn(const FieldLayout& layout, int column)
{
    if (layout.parallel)
        return false;
    const int first = columnOfTrack(layout, 0);
    return (column - first) % 2 != 0;
}

int largestStaggerShift(int rows)
{
    return std::max(rows, 0) / 10;
}

int estimateStaggerShift(const GroundColumns& grid, const FieldLayout& layout)
{
    const int rows = layout.rows;
    const int columns = int(grid.size());
    const int largest = largestStaggerShift(rows);
    if (layout.parallel || columns < 2 || largest == 0)
        return 0;
    for (const auto& column : grid)
        if (int(column.size()) < rows)
            return 0;
    const size_t n = fastTransformSize(size_t(rows + largest));
    const kissfft<double> forward(n, false);
    const kissfft<double> inverse(n, true);
    std::vector<double> score(size_t(2 * largest + 1), 0.0);
    for (int c = 0; c < columns; ++c) {
        if (!isReverseColumn(layout, c))
            continue;
        const Series x(firstRows(grid[size_t(c)], rows));
        const Series y(neighbourMean(grid, c, rows));
        const std::vector<double> products = crossCorrelation(x, y, forward, inverse, n);
        const int direction = rowDirection(layout, c);
        for (int shift = -largest; shift <= largest; ++shift)
            score[size_t(shift + largest)] += correlationAt(x, y, products, direction * shift, rows);
    }
    // The smallest shift wins a tie, so a field without variation stays as it is.
    int best = 0;
    for (int step = 1; step <= largest; ++step) {
        for (int shift : {step, -step}) {
            if (score[size_t(shift + largest)] > score[size_t(best + largest)] + 1e-9)
                best = shift;
        }
    }
    return best;
}

void destagger(GroundColumns& grid, const FieldLayout& layout, int shift)
{
    const int rows = layout.rows;
    if (shift == 0 || rows <= 0 || layout.parallel)
        return;
    // Beyond a track's length every reading is the end reading; the bound keeps the sum in range.
    shift = std::clamp(shift, -rows, rows);
    std::vector<int16_t> moved(static_cast<size_t>(rows));
    for (int c = 0; c < int(grid.size()); ++c) {
        auto& column = grid[size_t(c)];
        if (!isReverseColumn(layout, c) || int(column.size()) < rows)
            continue;
        const int offset = rowDirection(layout, c) * shift;
        for (int k = 0; k < rows; ++k)
            moved[size_t(k)] = column[size_t(std::clamp(k + offset, 0, rows - 1))];
        std::copy(moved.begin(), moved.end(), column.begin());
    }
}

void despike(GroundColumns& grid, int window, double deviations)
{
    if (window < 3)
        return;
    for (auto& column : grid)
        despikeColumn(column, window, deviations);
}

std::optional<PercentileRange> percentileRange(const GroundColumns& grid, size_t rows, double lowPercent,
                                               double highPercent)
{
    const SampleHistogram histogram(grid, rows);
    if (histogram.count() == 0)
        return std::nullopt;
    const int low = histogram.percentile(lowPercent);
    const int high = histogram.percentile(highPercent);
    return PercentileRange{std::min(low, high), std::max(low, high)};
}

void clipToRange(GroundColumns& grid, PercentileRange range)
{
    for (auto& column : grid)
        for (int16_t& v : column)
            v = int16_t(std::clamp<int>(v, range.low, range.high));
}

void cleanGrid(GroundColumns& grid, const FieldLayout& layout, const GridCleaning& cleaning)
{
    if (cleaning.destagger) {
        const int shift = cleaning.staggerShift ? *cleaning.staggerShift : estimateStaggerShift(grid, layout);
        destagger(grid, layout, shift);
    }
    if (cleaning.despike)
        despike(grid);
    if (cleaning.clip) {
        const auto range = percentileRange(grid, size_t(std::max(layout.rows, 0)), cleaning.clip->low,
                                           cleaning.clip->high);
        if (range)
            clipToRange(grid, *range);
    }
}
