#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "recording/waveletanalyser.h"
#include "recording/widgets/frequencyanalysis.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <kiss_fft.h>

#include <cmath>
#include <memory>

// The frequency view's costs: one rebuild of the long analyser (400 samples, the most it
// holds) and of the short one (15), against the bare transforms a rebuild needs; the 60 ms
// sampling tick with the view on screen; and the spacing of the ticks over two minutes.
// A long rebuild shares its scales between two threads, so these compare wall-clock times.
namespace {
std::deque<int> walkedSignal(int n)
{
    std::deque<int> w;
    for (int t = 0; t < n; ++t)
        w.push_back(int(1000 + 300 * std::sin(t * 0.9) + 150 * std::sin(t * 0.15) + (t * 7919) % 41));
    return w;
}

QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_wavelet";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareOnce();
    static QApplication app(argc, argv);
    return app;
}

void rebuild(benchmark::State& state)
{
    application();
    const std::deque<int> window = walkedSignal(int(state.range(0)));
    WaveletAnalyser analyser;
    analyser.analyse(window);
    analyser.analyse(window); // plans and filters for this length
    for (auto _ : state) {
        analyser.analyse(window); // copies the window only
        analyser.analyse(window); // rebuilds
        benchmark::DoNotOptimize(analyser.scalogram().constBits());
    }
}
BENCHMARK(rebuild)->Arg(400)->Arg(15)->UseRealTime()->Unit(benchmark::kMillisecond);

// 251 transforms of length 1024, the FFT work of one rebuild for 400 samples.
void kissTransforms1024x251(benchmark::State& state)
{
    const int n = 1024;
    kiss_fft_cfg plan = kiss_fft_alloc(n, 1, nullptr, nullptr);
    std::vector<kiss_fft_cpx> in(n), out(n);
    for (int i = 0; i < n; ++i)
        in[std::size_t(i)] = {float(std::sin(i * 0.1)), 0.0f};
    for (auto _ : state) {
        for (int k = 0; k < 251; ++k)
            kiss_fft(plan, in.data(), out.data());
        benchmark::DoNotOptimize(out.data());
    }
    kiss_fft_free(plan);
}
BENCHMARK(kissTransforms1024x251)->UseRealTime()->Unit(benchmark::kMillisecond);

struct ShownView
{
    QApplication& app = application(); // before any widget
    DataSetBrolSensor dataset;
    FrequencyAnalysis view;
    ShownView()
    {
        view.setDataset(&dataset);
        view.widget()->resize(1280, 700);
        view.widget()->show();
        QCoreApplication::processEvents();
    }
};

// One sample into the view with its full history, painted: two ticks per iteration, so that
// every iteration holds one rebuild of each analyser.
void samplingTick(benchmark::State& state)
{
    ShownView shown;
    const std::deque<int> signal = walkedSignal(800);
    std::size_t i = 0;
    for (auto _ : state) {
        for (int k = 0; k < 2; ++k) {
            shown.view.addValues({std::int16_t(signal[i++ % signal.size()])});
            QCoreApplication::processEvents();
        }
    }
    state.counters["history"] = double(shown.view.longHistorySize());
}
BENCHMARK(samplingTick)->UseRealTime()->Unit(benchmark::kMillisecond);

// The recorder's 60 ms clock feeding the shown view for two minutes: the largest gap between
// two ticks tells whether a slow view could delay a sample.
void tickSpacingOverTwoMinutes(benchmark::State& state)
{
    ShownView shown;
    const std::deque<int> signal = walkedSignal(800);
    for (auto _ : state) {
        QTimer clock;
        QElapsedTimer elapsed;
        qint64 last = -1;
        qint64 largestGap = 0;
        int ticks = 0;
        QObject::connect(&clock, &QTimer::timeout, [&] {
            const qint64 now = elapsed.elapsed();
            if (last >= 0)
                largestGap = std::max(largestGap, now - last);
            last = now;
            shown.view.addValues({std::int16_t(signal[std::size_t(ticks++) % signal.size()])});
        });
        QEventLoop loop;
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        elapsed.start();
        clock.start(60);
        loop.exec();
        state.counters["largest_gap_ms"] = double(largestGap);
        state.counters["ticks"] = ticks;
    }
}
BENCHMARK(tickSpacingOverTwoMinutes)->Iterations(1)->Unit(benchmark::kSecond);
} // namespace
