#pragma once

#include <QImage>
#include <climits>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Continuous Morlet wavelet transform (omega0 = 6) of a window of recent samples, tested
// against a red-noise (AR(1)) background: a bar chart of the window, the power as a scalogram
// with the significant regions outlined, and the share of significant cells. No widgets.
class PairedWork;

class WaveletAnalyser
{
public:
    static constexpr int scaleCount = 250;
    static constexpr int barChartHeight = 187;

    WaveletAnalyser();
    ~WaveletAnalyser();
    WaveletAnalyser(const WaveletAnalyser&) = delete;
    WaveletAnalyser& operator=(const WaveletAnalyser&) = delete;

    // Nothing below 4 samples; from then on the pictures are rebuilt on every second call.
    void analyse(const std::deque<int>& window);
    // The colour map of the pictures from the next analysis on.
    void setColormap(int map) { colormap = map; }
    const QImage& scalogram() const { return scalogram_; }
    const QImage& barChart() const { return barChart_; }
    // Significant cells per cell inside the cone of influence; NaN while no cell lies inside it
    // (the disc then shows the colour of 0).
    float significantShare() const;

    // For tests: the power of a cell of the last rebuild, and its inputs.
    double powerAt(int sample, int scale) const { return power[std::size_t(scale) * window.size() + std::size_t(sample)]; }
    int windowLength() const { return int(window.size()); }
    double lagOneAutocorrelation() const { return lag1; }
    int cellsInsideCone() const { return cellsInCone; }
    int significantCellCount() const { return significantCells; }
    // The FFT length for a window of n samples: twice the smallest power of two above n.
    static int fftLength(int n);

private:
    struct Lane;
    struct Transform;
    // What the scales of one thread add up to.
    struct ScaleTotals
    {
        int cellsInCone = 0;
        int significantCells = 0;
        double largest = 0;
        void add(const ScaleTotals& other);
    };

    void rebuild();
    void computeLagOne(double mean);
    void drawBarChart();
    std::vector<double> significanceLevels(double mean) const;
    double computePower(const std::vector<double>& levels);
    ScaleTotals powerOfScale(int scale, double level, Lane& lane);
    void inverseTransform(int scale, Lane& lane);
    void drawScalogram(double largestPower);
    void drawScalogramRow(int scale, double top, QRgb* line) const;
    // Runs job(0) and job(1), on two threads when the window is long enough to gain from it.
    void inTwo(const std::function<void(int part)>& job);
    void outlineSignificance();
    void prepareTransform(int n);
    double scaleAt(int k) const;
    double coneAt(double scale) const { return scale * 1.4142135623730951 / sampleSpacing; }

    std::deque<int> window;
    int imageHeight = 0;
    int colormap = 1;
    double xScale = 1.0;
    double smallestScale = 1.0;
    double largestScale = 1.0;
    double sampleSpacing = 1.0;
    QImage scalogram_;
    QImage barChart_;
    // power[scale * N + sample]: one row per scale, as the transforms and pictures run.
    std::vector<double> power;
    // significant[scale * N + sample]: the cell's power exceeds its scale's red-noise level.
    std::vector<char> significant;
    int windowMin = 0;
    int windowMax = 0;
    int overallMin = INT_MAX;
    int overallMax = INT_MIN;
    double lag1 = 0.0;
    int cellsInCone = 0;
    int significantCells = 0;
    int callCount = 0;
    // Plans, buffers and the filter of every scale, kept while the window length stays.
    std::unique_ptr<Transform> transform;
    std::unique_ptr<PairedWork> workers;
};
