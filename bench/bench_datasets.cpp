#include "app/appsettings.h"
#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "datasets/resampletrack.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int tracks = 200;
constexpr int rows = 2000;

std::vector<int16_t> walkedTrack(int length, int seed)
{
    std::vector<int16_t> track(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i)
        track[size_t(i)] = int16_t((i * 37 + seed * 101) % 4000 - 2000);
    return track;
}

std::unique_ptr<DataSetBrolSensor> fieldOf200Tracks()
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t)
        dataset->appendTrack(walkedTrack(rows, t));
    return dataset;
}
} // namespace

// Saving a 200 × 2000 field whose preview already exists (a re-save).
static void saveDataset(benchmark::State& state)
{
    prepareOnce();
    auto dataset = fieldOf200Tracks();
    if (!dataset->save())
        state.SkipWithError("not saved");
    for (auto _ : state)
        benchmark::DoNotOptimize(dataset->save());
    state.SetBytesProcessed(state.iterations() * int64_t(tracks) * rows * 2);
}
BENCHMARK(saveDataset)->Unit(benchmark::kMillisecond);

// The first save of a recording, with the preview image.
static void saveDatasetWithPreview(benchmark::State& state)
{
    prepareOnce();
    auto dataset = fieldOf200Tracks();
    const QString preview = documentsFolder() + dataset->id() + ".png";
    for (auto _ : state) {
        QFile::remove(preview);
        benchmark::DoNotOptimize(dataset->save());
    }
    state.SetBytesProcessed(state.iterations() * int64_t(tracks) * rows * 2);
}
BENCHMARK(saveDatasetWithPreview)->Unit(benchmark::kMillisecond);

static void loadDataset(benchmark::State& state)
{
    prepareOnce();
    auto saved = fieldOf200Tracks();
    if (!saved->save())
        state.SkipWithError("not saved");
    for (auto _ : state) {
        DataSetBrolSensor dataset;
        benchmark::DoNotOptimize(dataset.load(saved->id()));
    }
    state.SetBytesProcessed(state.iterations() * int64_t(tracks) * rows * 2);
}
BENCHMARK(loadDataset)->Unit(benchmark::kMillisecond);

// A whole recording committed: the first track fixes the rows, the others are resampled.
static void appendTracksWithResampling(benchmark::State& state)
{
    prepareOnce();
    std::vector<std::vector<int16_t>> walked;
    for (int t = 0; t < tracks; ++t)
        walked.push_back(walkedTrack(rows + (t % 7) * 50 - 150, t));
    for (auto _ : state) {
        DataSetBrolSensor dataset;
        for (const auto& track : walked)
            dataset.appendTrack(track);
        benchmark::DoNotOptimize(dataset.getProperty("columns"));
    }
    state.SetItemsProcessed(state.iterations() * tracks);
}
BENCHMARK(appendTracksWithResampling)->Unit(benchmark::kMillisecond);

static void resampleOneTrack(benchmark::State& state)
{
    const auto track = walkedTrack(2150, 1);
    for (auto _ : state)
        benchmark::DoNotOptimize(resampleTrack(track, rows));
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(resampleOneTrack);
