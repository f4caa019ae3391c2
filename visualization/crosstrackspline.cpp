#include "visualization/crosstrackspline.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// (0.0 plus it is the term itself), then truncated toward zero. The five terms read two
// neighbouring input columns: the first S from `a`, the rest from `b`. The vector path does
// the same double operations in the same order on two rows at once, so it gives the same
// bits; the compiler may not contract them into fused multiply-adds (ISO mode).
template <int S>
void interpolateColumn(const int16_t* __restrict a, const int16_t* __restrict b,
                       const std::array<double, order>& w, size_t rows, int16_t* __restrict out)
{
    const auto from = [&](int j) { return j < S ? a : b; };
    size_t i = 0;
#if defined(__SSE2__)
    const __m128d w0 = _mm_set1_pd(w[0]), w1 = _mm_set1_pd(w[1]), w2 = _mm_set1_pd(w[2]),
                  w3 = _mm_set1_pd(w[3]), w4 = _mm_set1_pd(w[4]);
    for (; i + 4 <= rows; i += 4) {
        // Four samples of each column as two pairs of doubles.
        const auto widen = [&](const int16_t* column, __m128d& low, __m128d& high) {
            const __m128i packed = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(column + i));
            const __m128i wide = _mm_srai_epi32(_mm_unpacklo_epi16(packed, packed), 16);
            low = _mm_cvtepi32_pd(wide);
            high = _mm_cvtepi32_pd(_mm_shuffle_epi32(wide, 0xEE));
        };
        __m128d aLow, aHigh, bLow, bHigh;
        widen(a, aLow, aHigh);
        widen(b, bLow, bHigh);
        const auto sum = [&](const __m128d& pa, const __m128d& pb) {
            const auto p = [&](int j) { return j < S ? pa : pb; };
            __m128d s = _mm_mul_pd(w0, p(0));
            s = _mm_add_pd(s, _mm_mul_pd(w1, p(1)));
            s = _mm_add_pd(s, _mm_mul_pd(w2, p(2)));
            s = _mm_add_pd(s, _mm_mul_pd(w3, p(3)));
            s = _mm_add_pd(s, _mm_mul_pd(w4, p(4)));
            return _mm_cvttpd_epi32(s);
        };
        __m128i whole = _mm_unpacklo_epi64(sum(aLow, bLow), sum(aHigh, bHigh));
        // Keep the low 16 bits, as the scalar conversion does, before the saturating pack.
        whole = _mm_srai_epi32(_mm_slli_epi32(whole, 16), 16);
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i), _mm_packs_epi32(whole, whole));
    }
#endif
    for (; i < rows; ++i) {
        double sum = w[0] * double(from(0)[i]);
        sum += w[1] * double(from(1)[i]);
        sum += w[2] * double(from(2)[i]);
        sum += w[3] * double(from(3)[i]);
        sum += w[4] * double(from(4)[i]);
        out[i] = int16_t(int(sum));
    }
}

void interpolateColumn(const TerrainGrid& input, const SplineWeights& w, size_t rows, int16_t* out)
{
    const int16_t* a = input[size_t(w.first / order)].data();
    const int16_t* b = input[size_t((w.first + order - 1) / order)].data();
    switch (order - w.first % order) {
    case 1: interpolateColumn<1>(a, b, w.weights, rows, out); break;
    case 2: interpolateColumn<2>(a, b, w.weights, rows, out); break;
    case 3: interpolateColumn<3>(a, b, w.weights, rows, out); break;
    case 4: interpolateColumn<4>(a, b, w.weights, rows, out); break;
    default: interpolateColumn<5>(a, b, w.weights, rows, out); break;
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
