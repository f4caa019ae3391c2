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

// Prefix sums of a track's readings, or of the mean of its neighbours, less the field's mean:
// the correlation sums then stay small and the transforms keep their precision.
struct Series
{
    std::vector<double> sums;     // sums[k] over the values 0 .. k - 1
    std::vector<double> squares;  // the same for the squares

    explicit Series(const std::vector<double>& values)
        : sums(values.size() + 1, 0.0)
        , squares(values.size() + 1, 0.0)
    {
        for (size_t k = 0; k < values.size(); ++k) {
            sums[k + 1] = sums[k] + values[k];
            squares[k + 1] = squares[k] + values[k] * values[k];
        }
    }
    double sum(int from, int to) const { return sums[size_t(to)] - sums[size_t(from)]; }
    double square(int from, int to) const { return squares[size_t(to)] - squares[size_t(from)]; }
};

// What the estimate works on: every column less the field's mean, and the transforms.
struct StaggerField
{
    const GroundColumns& grid;
    int rows;
    double mean = 0;
    size_t n;
    kissfft<double> forward;
    kissfft<double> inverse;

    StaggerField(const GroundColumns& g, int r, size_t size)
        : grid(g), rows(r), n(size), forward(size, false), inverse(size, true)
    {
        for (const auto& column : grid)
            for (int k = 0; k < rows; ++k)
                mean += column[size_t(k)];
        mean /= double(rows) * double(grid.size());
    }
    int columns() const { return int(grid.size()); }
    double value(int column, int row) const { return grid[size_t(column)][size_t(row)] - mean; }

    // The mean of a column's neighbours (one at the field's edge), or the column itself.
    std::vector<double> around(int column, bool neighbours) const
    {
        std::vector<double> values(size_t(rows), 0.0);
        const std::vector<int> from = neighboursOf(column, neighbours);
        for (int c : from)
            for (int k = 0; k < rows; ++k)
                values[size_t(k)] += value(c, k) / double(from.size());
        return values;
    }
    std::vector<int> neighboursOf(int column, bool neighbours) const
    {
        if (!neighbours)
            return {column};
        std::vector<int> found;
        for (int c : {column - 1, column + 1})
            if (c >= 0 && c < columns())
                found.push_back(c);
        return found;
    }
};

// Spectra of the columns, two real columns in one complex transform, kept for the few columns
// around the one asked for: the reverse columns are visited in order and each needs only its
// neighbours.
class SpectrumCache
{
public:
    explicit SpectrumCache(const StaggerField& f)
        : field(f), z(f.n), out(f.n)
    {
    }
    const std::vector<Complex>& spectrum(int column)
    {
        const int pair = column / 2;
        Slot* slot = &slots[0];
        for (Slot& s : slots) {
            if (s.pair == pair)
                return s.spectra[column % 2];
            if (s.pair < slot->pair)
                slot = &s;
        }
        fill(*slot, pair);
        return slot->spectra[column % 2];
    }

private:
    struct Slot
    {
        int pair = -1;
        std::vector<Complex> spectra[2];
    };
    void fill(Slot& slot, int pair)
    {
        const size_t n = field.n;
        const int c = 2 * pair;
        const bool second = c + 1 < field.columns();
        std::fill(z.begin(), z.end(), Complex());
        for (int k = 0; k < field.rows; ++k)
            z[size_t(k)] = Complex(field.value(c, k), second ? field.value(c + 1, k) : 0.0);
        field.forward.transform(z.data(), out.data());
        slot.pair = pair;
        for (std::vector<Complex>& spectrum : slot.spectra)
            spectrum.resize(n);
        for (size_t f = 0; f < n; ++f) {
            const Complex a = out[f];
            const Complex b = std::conj(out[(n - f) % n]);
            slot.spectra[0][f] = (a + b) * 0.5;
            slot.spectra[1][f] = (a - b) * Complex(0.0, -0.5);
        }
    }

    const StaggerField& field;
    Slot slots[3];
    std::vector<Complex> z, out;
};

// The cross spectrum of a reverse column with the mean of its neighbours.
void crossSpectrum(const StaggerField& field, SpectrumCache& spectra, int column, std::vector<Complex>& out)
{
    const std::vector<int> neighbours = field.neighboursOf(column, true);
    const double share = 1.0 / double(neighbours.size());
    std::fill(out.begin(), out.end(), Complex());
    for (int c : neighbours) {
        const std::vector<Complex>& y = spectra.spectrum(c);
        for (size_t f = 0; f < field.n; ++f)
            out[f] += std::conj(y[f]) * share;
    }
    const std::vector<Complex>& x = spectra.spectrum(column);
    for (size_t f = 0; f < field.n; ++f)
        out[f] *= x[f];
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

// The median of a few readings (sorted in place); the mean of the middle two for an even count.
double medianOf(double* values, int count)
{
    std::sort(values, values + count);
    return count % 2 ? values[count / 2] : 0.5 * (values[count / 2 - 1] + values[count / 2]);
}

inline void exchange(int& a, int& b)
{
    const int low = std::min(a, b);
    b = std::max(a, b);
    a = low;
}

// Sorts seven values in sixteen exchanges, without a branch on the values. Written out: as a
// loop over a table the compiler keeps every value in memory.
inline void sortSeven(int* v)
{
    exchange(v[0], v[6]), exchange(v[2], v[3]), exchange(v[4], v[5]), exchange(v[0], v[2]);
    exchange(v[1], v[4]), exchange(v[3], v[6]), exchange(v[0], v[1]), exchange(v[2], v[5]);
    exchange(v[3], v[4]), exchange(v[1], v[2]), exchange(v[4], v[6]), exchange(v[2], v[3]);
    exchange(v[4], v[5]), exchange(v[1], v[2]), exchange(v[3], v[4]), exchange(v[5], v[6]);
}

// The median of the deviations of seven sorted values from their middle one. The deviations
// below it and above it are two sorted runs; their fourth smallest is found by merging.
inline int middleDeviation(const int* sorted)
{
    const int below[4] = {0, sorted[3] - sorted[2], sorted[3] - sorted[1], sorted[3] - sorted[0]};
    const int above[3] = {sorted[4] - sorted[3], sorted[5] - sorted[3], sorted[6] - sorted[3]};
    int i = 0, j = 0, value = 0;
    for (int step = 0; step < 4; ++step)
        value = (j == 3 || below[i] <= above[j]) ? below[i++] : above[j++];
    return value;
}

// The median of the window around reading j when it is a spike (more than `limit` median
// absolute deviations from it).
std::optional<double> spikeMedian(const std::vector<int16_t>& readings, int j, int half, double limit)
{
    const int from = std::max(0, j - half);
    const int to = std::min(int(readings.size()), j + half + 1);
    const int count = to - from;
    if (count == 7) {
        // The whole window of a default despike: integers throughout.
        int around[7];
        std::copy(readings.begin() + from, readings.begin() + to, around);
        sortSeven(around);
        const int median = around[3];
        const int offset = std::abs(readings[size_t(j)] - median);
        if (offset == 0)
            return std::nullopt;
        return offset > limit * middleDeviation(around) ? std::optional<double>(median) : std::nullopt;
    }
    std::vector<double> around(readings.begin() + from, readings.begin() + to);
    const double median = medianOf(around.data(), count);
    const double offset = std::fabs(readings[size_t(j)] - median);
    if (offset == 0)
        return std::nullopt;
    for (double& v : around)
        v = std::fabs(v - median);
    return offset > limit * medianOf(around.data(), count) ? std::optional<double>(median) : std::nullopt;
}

void despikeColumn(std::vector<int16_t>& column, int window, double deviations)
{
    const std::vector<int16_t> original = column;
    // The median absolute deviation estimates one standard deviation of normal noise.
    const double limit = deviations * 1.4826;
    for (int j = 0; j < int(column.size()); ++j) {
        if (const std::optional<double> median = spikeMedian(original, j, window / 2, limit))
            column[size_t(j)] = int16_t(std::lround(*median));
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
    const StaggerField field(grid, rows, fastTransformSize(size_t(rows + largest)));
    std::vector<int> reverse;
    for (int c = 0; c < columns; ++c)
        if (isReverseColumn(layout, c))
            reverse.push_back(c);
    std::vector<double> score(size_t(2 * largest + 1), 0.0);
    // products: the sums over k of x[k + m] y[k] (index m mod n) of one reverse column.
    const auto addScores = [&](int column, const std::vector<double>& products) {
        const Series x(field.around(column, false));
        const Series y(field.around(column, true));
        const int direction = rowDirection(layout, column);
        for (int shift = -largest; shift <= largest; ++shift)
            score[size_t(shift + largest)] += correlationAt(x, y, products, direction * shift, rows);
    };
    SpectrumCache spectra(field);
    const size_t n = field.n;
    std::vector<Complex> first(n), second(n), out(n);
    std::vector<double> products[2] = {std::vector<double>(n), std::vector<double>(n)};
    // Two reverse columns' real correlations come back from one complex transform.
    for (size_t i = 0; i < reverse.size(); i += 2) {
        const bool pair = i + 1 < reverse.size();
        crossSpectrum(field, spectra, reverse[i], first);
        if (pair) {
            crossSpectrum(field, spectra, reverse[i + 1], second);
            for (size_t f = 0; f < n; ++f)
                first[f] += Complex(-second[f].imag(), second[f].real());
        }
        field.inverse.transform(first.data(), out.data());
        for (size_t k = 0; k < n; ++k) {
            products[0][k] = out[k].real() / double(n);
            products[1][k] = out[k].imag() / double(n);
        }
        addScores(reverse[i], products[0]);
        if (pair)
            addScores(reverse[i + 1], products[1]);
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
