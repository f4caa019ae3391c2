#include "recording/waveletanalyser.h"

#include "recording/pairedwork.h"

#include "app/colormap.h"

#include <kiss_fft.h>

#include <algorithm>
#include <cmath>
#include <utility>

#if defined(__SSE2__)
#include <pmmintrin.h>
#endif

namespace {
constexpr double pi = 3.14159265358979323846;
constexpr QRgb background = 0xffc6c6c6;
constexpr QRgb outline = 0xff000000;
// Red-noise test: 90 % point of chi-square with two degrees of freedom, per degree of freedom.
constexpr double chiSquare90 = 4.605;
// Fourier period per scale of the Morlet wavelet with omega0 = 6.
const double fourierFactor = 4 * pi / (6 + std::sqrt(38.0));

QRgb colorOf(double value, double low, double high, int map)
{
    return opaqueArgbFromValue(float(value), float(low), float(high), map);
}

// The samples t of a window of n with cone <= t <= n - cone: those inside the cone of influence.
std::pair<int, int> samplesInCone(double cone, int n)
{
    return {std::max(0, int(std::ceil(cone))), std::min(n - 1, int(std::floor(n - cone)))};
}

// A picture of the given size in the background colour; the last one's memory is reused
// while nobody else holds it and the window length stays.
void blank(QImage& image, QSize size)
{
    if (image.size() != size)
        image = QImage(size, QImage::Format_RGB32);
    image.fill(background);
}

// Subnormal floats make the FFT's arithmetic many times slower. They arise far out in the zero
// padding, where the transform of a small scale dies away, and are thrown away with it: no
// power cell changes when they are flushed to zero.
class SubnormalsFlushed
{
#if defined(__SSE2__)
public:
    SubnormalsFlushed()
        : saved(_mm_getcsr())
    {
        _mm_setcsr(saved | _MM_FLUSH_ZERO_ON | _MM_DENORMALS_ZERO_ON);
    }
    ~SubnormalsFlushed() { _mm_setcsr(saved); }
    SubnormalsFlushed(const SubnormalsFlushed&) = delete;
    SubnormalsFlushed& operator=(const SubnormalsFlushed&) = delete;

private:
    unsigned saved;
#endif
};

// Below this many samples a rebuild is too short to share between two threads.
constexpr int smallestSharedWindow = 64;
} // namespace

// The inverse transforms of one thread: its own plan and buffers.
struct WaveletAnalyser::Lane
{
    kiss_fft_cfg inverse = nullptr;
    std::vector<kiss_fft_cpx> filtered;
    std::vector<kiss_fft_cpx> output;

    explicit Lane(int nfft)
        : inverse(kiss_fft_alloc(nfft, 1, nullptr, nullptr))
        , filtered(std::size_t(nfft), kiss_fft_cpx{0, 0})
        , output(std::size_t(nfft))
    {
    }
    ~Lane() { kiss_fft_free(inverse); }
    Lane(const Lane&) = delete;
    Lane& operator=(const Lane&) = delete;
};

// Everything that depends only on the window length: the forward plan, the buffers and the
// filter of every scale (divided by the FFT length), so a rebuild calls exp only when N changes.
struct WaveletAnalyser::Transform
{
    int samples = 0;
    int length = 0;
    kiss_fft_cfg forward = nullptr;
    std::vector<kiss_fft_cpx> input;
    std::vector<kiss_fft_cpx> spectrum;
    Lane lanes[2];
    // filters[k * (length / 2 + 1) + m]; above length / 2 every filter is 0.
    std::vector<double> filters;
    // Per scale the first and last m whose filter is not 0: the products outside stay 0.
    std::vector<std::pair<int, int>> support;

    Transform(int n, int nfft)
        : samples(n)
        , length(nfft)
        , forward(kiss_fft_alloc(nfft, 0, nullptr, nullptr))
        , input(std::size_t(nfft), kiss_fft_cpx{0, 0})
        , spectrum(std::size_t(nfft))
        , lanes{Lane(nfft), Lane(nfft)}
    {
    }
    ~Transform() { kiss_fft_free(forward); }
    Transform(const Transform&) = delete;
    Transform& operator=(const Transform&) = delete;
};

WaveletAnalyser::WaveletAnalyser() = default;
WaveletAnalyser::~WaveletAnalyser() = default;

int WaveletAnalyser::fftLength(int n)
{
    int p = 1;
    while (p <= n)
        p *= 2;
    return 2 * p;
}

float WaveletAnalyser::significantShare() const
{
    return float(significantCells) / float(cellsInCone);
}

void WaveletAnalyser::analyse(const std::deque<int>& samples)
{
    window = samples;
    if (window.size() < 4)
        return;
    const auto [low, high] = std::minmax_element(window.begin(), window.end());
    windowMin = *low;
    windowMax = *high;
    overallMin = std::min(overallMin, windowMin);
    overallMax = std::max(overallMax, windowMax);
    windowMin -= 50;
    windowMax += 50;
    // The pictures follow every second sample.
    if (callCount++ % 2 == 1)
        rebuild();
}

void WaveletAnalyser::rebuild()
{
    const int n = int(window.size());
    imageHeight = scaleCount;
    const int width = int(n * xScale);
    blank(scalogram_, QSize(width, imageHeight));
    blank(barChart_, QSize(width, int(imageHeight * 0.75)));
    smallestScale = 1;
    largestScale = n;
    sampleSpacing = 1;

    double mean = 0;
    for (int x : window)
        mean += x;
    mean /= n;
    computeLagOne(mean);
    drawBarChart();
    const std::vector<double> levels = significanceLevels(mean);
    drawScalogram(computePower(levels));
    outlineSignificance();
}

void WaveletAnalyser::computeLagOne(double mean)
{
    // N - 2 products: the last pair of samples is left out.
    double products = 0;
    double squares = 0;
    const int n = int(window.size());
    for (int i = 0; i < n; ++i) {
        const double d = window[std::size_t(i)] - mean;
        squares += d * d;
        if (i <= n - 3)
            products += d * (window[std::size_t(i + 1)] - mean);
    }
    lag1 = products / squares;
}

void WaveletAnalyser::drawBarChart()
{
    const int bottom = barChart_.height();
    const int width = barChart_.width();
    const int barWidth = int(xScale);
    auto* pixels = reinterpret_cast<QRgb*>(barChart_.bits());
    const std::size_t stride = std::size_t(barChart_.bytesPerLine()) / sizeof(QRgb);
    for (int i = 0; i < int(window.size()); ++i) {
        const int value = window[std::size_t(i)];
        const QRgb color = colorOf(value, overallMin, overallMax, colormap);
        const int left = int(i * xScale);
        const int right = std::min(left + barWidth, width);
        const int height = int(double(value - windowMin) / (windowMax - windowMin) * 186 + 1);
        for (int y = std::max(0, bottom - height); y < bottom; ++y) {
            QRgb* line = pixels + std::size_t(y) * stride;
            std::fill(line + left, line + right, color);
        }
    }
}

double WaveletAnalyser::scaleAt(int k) const
{
    const double dj = std::log(largestScale / smallestScale) / std::log(2.0) / (scaleCount - 1);
    return smallestScale * std::pow(2.0, k * dj);
}

void WaveletAnalyser::prepareTransform(int n)
{
    if (transform && transform->samples == n)
        return;
    const int nfft = fftLength(n);
    transform = std::make_unique<Transform>(n, nfft);
    const int half = nfft / 2;
    transform->filters.assign(std::size_t(scaleCount) * std::size_t(half + 1), 0.0);
    const double norm = std::pow(pi, -0.25);
    for (int k = 0; k < scaleCount; ++k) {
        const double s = scaleAt(k);
        double* filter = &transform->filters[std::size_t(k) * std::size_t(half + 1)];
        std::pair<int, int> range{half + 1, 0};
        for (int m = 1; m <= half; ++m) {
            const double omega = 2 * pi * m / (nfft * sampleSpacing);
            const double d = omega * s - 6;
            filter[m] = norm * std::exp(-d * d / 2) * std::sqrt(2 * pi * s / sampleSpacing) / nfft;
            if (filter[m] != 0.0)
                range = {std::min(range.first, m), m};
        }
        transform->support.push_back(range);
    }
}

std::vector<double> WaveletAnalyser::significanceLevels(double mean) const
{
    const int n = int(window.size());
    double variance = 0;
    for (int x : window)
        variance += (x - mean) * (x - mean);
    variance /= n;
    // A constant window has no lag-1 autocorrelation (0 / 0): its levels are NaN and no
    // power exceeds them.
    const double rho = lag1;
    std::vector<double> levels(scaleCount);
    for (int i = 0; i < scaleCount; ++i) {
        const double s = smallestScale * std::pow(largestScale / smallestScale, double(i) / (scaleCount - 1));
        levels[std::size_t(i)] = variance * (1 - rho * rho)
                                 / (1 - 2 * rho * std::cos(2 * pi * sampleSpacing / (s * fourierFactor)) + rho * rho)
                                 * 0.5 * chiSquare90;
    }
    return levels;
}

// The forward transform once, then the scales shared between two threads: each scale's
// inverse transform, its row of power and which of its cells are significant, while the row is
// still in the cache.
double WaveletAnalyser::computePower(const std::vector<double>& levels)
{
    const int n = int(window.size());
    prepareTransform(n);
    Transform& tf = *transform;
    for (int i = 0; i < n; ++i)
        tf.input[std::size_t(i)] = kiss_fft_cpx{float(window[std::size_t(i)]), 0.0f};
    kiss_fft(tf.forward, tf.input.data(), tf.spectrum.data());

    power.resize(std::size_t(scaleCount) * std::size_t(n));
    significant.resize(power.size());
    ScaleTotals parts[2];
    inTwo([&](int part) {
        const SubnormalsFlushed flushed;
        for (int k = part; k < scaleCount; k += 2)
            parts[part].add(powerOfScale(k, levels[std::size_t(k)], tf.lanes[part]));
    });
    parts[0].add(parts[1]);
    cellsInCone = parts[0].cellsInCone;
    significantCells = parts[0].significantCells;
    return parts[0].largest;
}

void WaveletAnalyser::ScaleTotals::add(const ScaleTotals& other)
{
    cellsInCone += other.cellsInCone;
    significantCells += other.significantCells;
    largest = std::max(largest, other.largest);
}

WaveletAnalyser::ScaleTotals WaveletAnalyser::powerOfScale(int k, double level, Lane& lane)
{
    const int n = int(window.size());
    const auto [coneFirst, coneLast] = samplesInCone(coneAt(scaleAt(k)), n);
    double* row = &power[std::size_t(k) * std::size_t(n)];
    char* marks = &significant[std::size_t(k) * std::size_t(n)];
    // Outside the cone the power is 0, and 0 exceeds no level (a level is >= 0 or NaN).
    std::fill(row, row + n, 0.0);
    std::fill(marks, marks + n, char(0));
    ScaleTotals totals;
    // A scale without a cell inside the cone is all zeros: its transform would be thrown away.
    if (coneFirst > coneLast)
        return totals;
    inverseTransform(k, lane);
    for (int t = coneFirst; t <= coneLast; ++t) {
        const kiss_fft_cpx y = lane.output[std::size_t(t)];
        row[t] = double(y.r) * y.r + double(y.i) * y.i;
        totals.largest = std::max(totals.largest, row[t]);
        marks[t] = row[t] > level;
        totals.significantCells += marks[t];
    }
    totals.cellsInCone = coneLast - coneFirst + 1;
    return totals;
}

// The filtered spectrum of scale k transformed back into lane.output.
void WaveletAnalyser::inverseTransform(int k, Lane& lane)
{
    const Transform& tf = *transform;
    const int half = tf.length / 2;
    const double* filter = &tf.filters[std::size_t(k) * std::size_t(half + 1)];
    // Every entry outside the filter's support is 0 (a product with a zero filter).
    const auto [first, last] = tf.support[std::size_t(k)];
    for (int m = first; m <= last; ++m) {
        const kiss_fft_cpx x = tf.spectrum[std::size_t(m)];
        lane.filtered[std::size_t(m)] = kiss_fft_cpx{float(x.r * filter[m]), float(x.i * filter[m])};
    }
    kiss_fft(lane.inverse, lane.filtered.data(), lane.output.data());
    std::fill(lane.filtered.begin() + first, lane.filtered.begin() + std::max(first, last + 1), kiss_fft_cpx{0, 0});
}

void WaveletAnalyser::inTwo(const std::function<void(int part)>& job)
{
    if (window.size() < std::size_t(smallestSharedWindow)) {
        job(0);
        job(1);
        return;
    }
    if (!workers)
        workers = std::make_unique<PairedWork>();
    workers->run(job);
}

void WaveletAnalyser::drawScalogram(double largestPower)
{
    const double top = std::log(largestPower + 1);
    // Detached once here: scanLine() may detach, which two threads must not do at once.
    QRgb* pixels = reinterpret_cast<QRgb*>(scalogram_.bits());
    const std::size_t stride = std::size_t(scalogram_.bytesPerLine()) / sizeof(QRgb);
    inTwo([&](int part) {
        for (int l = part; l < scaleCount; l += 2)
            drawScalogramRow(l, top, pixels + std::size_t(l) * stride);
    });
}

void WaveletAnalyser::drawScalogramRow(int l, double top, QRgb* line) const
{
    const int n = int(window.size());
    const double cone = coneAt(scaleAt(l));
    const int first = int(cone * xScale);
    const int last = int((n - cone) * xScale);
    const double* row = &power[std::size_t(l) * std::size_t(n)];
    for (int t = 0; t < n; ++t) {
        const int x = int(t * xScale);
        if (first < x && x < last)
            line[x] = colorOf(std::log(row[t] + 1), 0, top, colormap);
    }
}

// Black where a significant cell borders a cell that is not, along the scales or the samples.
void WaveletAnalyser::outlineSignificance()
{
    const int n = int(window.size());
    auto at = [&](int j, int i) { return significant[std::size_t(i) * std::size_t(n) + std::size_t(j)] != 0; };
    for (int i = 0; i < scaleCount; ++i) {
        auto* line = reinterpret_cast<QRgb*>(scalogram_.scanLine(i));
        for (int j = 0; j < n; ++j) {
            if (!at(j, i))
                continue;
            const bool scaleEdge = i > 0 && i < scaleCount - 1 && (!at(j, i - 1) || !at(j, i + 1));
            const bool sampleEdge = j > 0 && j < n - 1 && (!at(j - 1, i) || !at(j + 1, i));
            if (scaleEdge || sampleEdge)
                line[int(j * xScale)] = outline;
        }
    }
}
