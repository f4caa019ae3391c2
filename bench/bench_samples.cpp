// The demo's sample surveys: a seeded field of the simulator (seed 106, the large demo sample's)
// walked zig-zag with a lag of four rows. Arguments: tracks, rows.
#include "acquisition/devices/tonegenerator.h"
#include "benchenvironment.h"
#include "datasets/familydataset.h"
#include "datasets/gridcleaning.h"
#include "samplerecording.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {
SampleWalk laggedWalk(const benchmark::State& state)
{
    SampleWalk walk;
    walk.seed = 106;
    walk.tracks = int(state.range(0));
    walk.rows = int(state.range(1));
    walk.lengthMetres = walk.rows / 10;
    walk.objects = walk.tracks / 5;
    walk.lag = 4;
    return walk;
}

void perReading(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(1));
}
} // namespace

// Every reading enciphered, deciphered, decoded and sampled by the Brol Sensor's recorder.
static void recordSample(benchmark::State& state)
{
    prepareOnce();
    static int argc = 1;
    static char name[] = "bench_samples";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    ToneGenerator::setDeviceLister([] { return QList<QAudioDeviceInfo>(); });
    SampleSurvey survey;
    survey.walk = laggedWalk(state);
    for (auto _ : state)
        benchmark::DoNotOptimize(recordSampleSurvey(survey).ok());
    perReading(state);
}
BENCHMARK(recordSample)->Args({40, 330})->Args({200, 2000})->Unit(benchmark::kMillisecond);

// The destagger's estimate on a field with objects rather than ridges.
static void estimateShiftOfSample(benchmark::State& state)
{
    const SampleWalk walk = laggedWalk(state);
    const FieldLayout layout = sampleLayout(walk);
    std::vector<std::int16_t> values;
    for (const auto& track : walkedReadings(walk))
        values.insert(values.end(), track.begin(), track.end());
    const GroundColumns ground = groundGrid(values, layout, columnParityPosition);
    for (auto _ : state)
        benchmark::DoNotOptimize(estimateStaggerShift(ground, layout));
    perReading(state);
}
BENCHMARK(estimateShiftOfSample)->Args({40, 330})->Args({200, 2000})->Unit(benchmark::kMillisecond);
