#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "datasets/surveyexport.h"
#include "datasets/vtkexport.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {
constexpr int tracks = 200;
constexpr int rows = 2000;

std::unique_ptr<DataSetBrolSensor> fieldOf200Tracks()
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    dataset->setProperty("length", 50);
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(size_t(rows), 0);
        for (int i = 0; i < rows; ++i)
            track[size_t(i)] = int16_t((i * 37 + t * 101) % 4000 - 2000);
        dataset->appendTrack(track);
    }
    return dataset;
}
} // namespace

// The text of a 200 × 2000 field in each grid format; the VTK text of the same grid for scale.
static void surveyGridText(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = fieldOf200Tracks();
    const SurveyFormat format = surveyFormats[state.range(0)].format;
    for (auto _ : state)
        benchmark::DoNotOptimize(surveyText(*dataset, format));
    state.SetLabel(surveyFormats[state.range(0)].key);
    state.SetItemsProcessed(state.iterations() * int64_t(tracks) * rows);
}
BENCHMARK(surveyGridText)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

static void vtkGridText(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = fieldOf200Tracks();
    for (auto _ : state)
        benchmark::DoNotOptimize(vtkText(*dataset));
    state.SetItemsProcessed(state.iterations() * int64_t(tracks) * rows);
}
BENCHMARK(vtkGridText)->Unit(benchmark::kMillisecond);
