#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "datasets/gridcleaning.h"
#include "visualization/crosstrackspline.h"
#include "visualization/depthanalysis.h"
#include "visualization/terrain.h"
#include "visualization/terraincoloring.h"
#include "visualization/terrainfilters.h"
#include "visualization/terraingeometry.h"
#include "visualization/terrainpointcolors.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>

// Cases: tracks x rows. 40 x 330 is a typical field, 200 x 2000 the large one; the
// others show how the cost grows with tracks x rows.
namespace {
std::unique_ptr<DataSetBrolSensor> field(int tracks, int rows)
{
    auto dataset = std::make_unique<DataSetBrolSensor>();
    for (int t = 0; t < tracks; ++t) {
        std::vector<int16_t> track(size_t(rows), 0);
        for (int r = 0; r < rows; ++r)
            track[size_t(r)] = int16_t(800 * std::sin(r * 0.013 + t * 0.11) + (r * 7919 + t * 104729) % 61
                                       + (t % 5 == 0 ? 40 : 0));
        dataset->appendTrack(std::move(track));
    }
    dataset->setProperty("length", rows / 100);
    dataset->setProperty("sensor min", -2000);
    dataset->setProperty("sensor max", 2000);
    return dataset;
}

TerrainGrid assembled(const Dataset& dataset)
{
    return assembleGrid(dataset.values(), fieldLayoutOf(dataset));
}

// Figures per output grid point (10 tracks x rows), whatever the stage works on.
void perPoint(benchmark::State& state)
{
    const double points = 10.0 * double(state.range(0)) * double(state.range(1));
    state.SetComplexityN(int64_t(points));
    // Seconds per point, shown with an SI prefix (n = nanoseconds).
    state.counters["per_point"] = benchmark::Counter(
        points, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void cases(benchmark::internal::Benchmark* b)
{
    b->Args({40, 330})->Args({50, 500})->Args({100, 1000})->Args({200, 1000})->Args({200, 2000});
    b->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
}
} // namespace

static void assembleStage(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(assembled(*dataset));
    perPoint(state);
}
BENCHMARK(assembleStage)->Apply(cases);

static void userFiltersStage(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    const TerrainGrid grid = assembled(*dataset);
    for (auto _ : state) {
        state.PauseTiming();
        TerrainGrid work = grid;
        state.ResumeTiming();
        trackMatchingFilter(work);
        valueQuantizationFilter(work);
        deltaFilter(work);
        outlierFilter(work);
        benchmark::DoNotOptimize(work);
    }
    perPoint(state);
}
BENCHMARK(userFiltersStage)->Apply(cases);

static void splineStage(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    const TerrainGrid grid = assembled(*dataset);
    for (auto _ : state)
        benchmark::DoNotOptimize(crossTrackSpline(grid));
    perPoint(state);
}
BENCHMARK(splineStage)->Apply(cases);

static void smoothingStage(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    const TerrainGrid splined = crossTrackSpline(assembled(*dataset));
    for (auto _ : state) {
        state.PauseTiming();
        TerrainGrid work = splined;
        state.ResumeTiming();
        smoothingFilter(work);
        benchmark::DoNotOptimize(work);
    }
    perPoint(state);
}
BENCHMARK(smoothingStage)->Apply(cases);

namespace {
struct Surface
{
    TerrainGrid grid;
    int width = 0;
    int length = 0;
    std::vector<float> heights;
    std::vector<float> raw;
    std::vector<float> normals;
    SceneSpacing spacing{0.01f, 0.01f};

    explicit Surface(const Dataset& dataset)
        : grid(crossTrackSpline(assembled(dataset)))
        , width(int(grid.size()))
        , length(int(grid[0].size()))
        , heights(size_t(width) * size_t(length))
        , raw(heights.size())
        , normals(3 * heights.size())
    {
        normalizeHeights(grid, width, length, sampleRange(grid), heights.data(), raw.data());
    }
};
} // namespace

static void normalizeStage(benchmark::State& state)
{
    prepareOnce();
    Surface s(*field(int(state.range(0)), int(state.range(1))));
    for (auto _ : state)
        benchmark::DoNotOptimize(normalizeHeights(s.grid, s.width, s.length, sampleRange(s.grid),
                                                  s.heights.data(), s.raw.data()));
    perPoint(state);
}
BENCHMARK(normalizeStage)->Apply(cases);

static void pointNormalsStage(benchmark::State& state)
{
    prepareOnce();
    Surface s(*field(int(state.range(0)), int(state.range(1))));
    for (auto _ : state) {
        computePointNormals(s.heights.data(), s.width, s.length, s.spacing, s.normals.data());
        benchmark::ClobberMemory();
    }
    perPoint(state);
}
BENCHMARK(pointNormalsStage)->Apply(cases);

// Positions and a block of indices into vectors of the right size, as on a rebuild.
static void meshGeometryStage(benchmark::State& state)
{
    prepareOnce();
    Surface s(*field(int(state.range(0)), int(state.range(1))));
    BuildArray<QVector3D> positions;
    BuildArray<uint32_t> indices;
    for (auto _ : state) {
        fillPointPositions(s.heights.data(), s.width, s.length, s.spacing, positions);
        fillBlockIndices(s.width, stripsPerBlock(s.width, s.length), indices);
        benchmark::ClobberMemory();
    }
    perPoint(state);
}
BENCHMARK(meshGeometryStage)->Apply(cases);

static void pointColorsStage(benchmark::State& state)
{
    prepareOnce();
    Surface s(*field(int(state.range(0)), int(state.range(1))));
    const SampleRange range = sampleRange(s.grid);
    const TerrainColoring coloring{terrainColorRange(range.min, range.max, -2000, 2000, 1.0f), 1, false};
    BuildArray<QVector3D> colors;
    for (auto _ : state) {
        fillPointColors(s.raw.data(), s.width, s.length, coloring, range, colors);
        benchmark::ClobberMemory();
    }
    perPoint(state);
}
BENCHMARK(pointColorsStage)->Apply(cases);

// A filter switch: the whole pipeline again on a shown terrain.
static void rebuildValueMode(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    Terrain terrain(dataset.get());
    for (auto _ : state)
        benchmark::DoNotOptimize(terrain.buildTerrain());
    perPoint(state);
}
BENCHMARK(rebuildValueMode)->Apply(cases);

// A dataset shown anew: construction, first build and release, all arrays fresh.
static void newTerrainValueMode(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        Terrain terrain(dataset.get());
        benchmark::DoNotOptimize(terrain.failed());
    }
    perPoint(state);
}
BENCHMARK(newTerrainValueMode)->Apply(cases);

static void rebuildDepthAnalysis(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    Terrain terrain(dataset.get());
    terrain.setDepthAnalysis(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(terrain.buildTerrain());
    perPoint(state);
}
BENCHMARK(rebuildDepthAnalysis)->Apply(cases);

static void isolinesAtHalf(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = field(int(state.range(0)), int(state.range(1)));
    Terrain terrain(dataset.get());
    for (auto _ : state) {
        terrain.computeIsolines(0.5f);
        benchmark::DoNotOptimize(terrain.isolines().size());
    }
    perPoint(state);
}
BENCHMARK(isolinesAtHalf)->Apply(cases);

namespace {
// The survey cleaning steps: 0 destagger (estimate and shift), 1 despike, 2 contrast clip.
void cleaningCases(benchmark::internal::Benchmark* b)
{
    for (int step = 0; step < 3; ++step)
        b->Args({40, 330, step})->Args({200, 2000, step});
    b->Unit(benchmark::kMillisecond);
}

std::unique_ptr<DataSetBrolSensor> zigZagField(int tracks, int rows)
{
    auto dataset = field(tracks, rows);
    dataset->setProperty("parallel", false);
    dataset->setProperty("start index", 0);
    return dataset;
}

TerrainStart withCleaningStep(int step)
{
    TerrainStart start;
    start.options.destagger = step == 0;
    start.options.despike = step == 1;
    start.options.contrastClip = step == 2;
    return start;
}
} // namespace

// Each step alone, on the grid it works on: the assembled one, or for the clip the drawn one.
static void cleaningStage(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = zigZagField(int(state.range(0)), int(state.range(1)));
    const FieldLayout layout = fieldLayoutOf(*dataset);
    const TerrainGrid grid = assembled(*dataset);
    const TerrainGrid drawn = crossTrackSpline(grid);
    const int step = int(state.range(2));
    for (auto _ : state) {
        state.PauseTiming();
        TerrainGrid work = grid;
        state.ResumeTiming();
        if (step == 0)
            destagger(work, layout, estimateStaggerShift(work, layout));
        else if (step == 1)
            despike(work);
        else
            benchmark::DoNotOptimize(percentileRange(drawn, size_t(layout.rows), 2, 98));
        benchmark::DoNotOptimize(work);
    }
    perPoint(state);
}
BENCHMARK(cleaningStage)->Apply(cleaningCases);

// The rebuild with one step switched on, beside rebuildValueMode of the same field.
static void rebuildWithCleaning(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = zigZagField(int(state.range(0)), int(state.range(1)));
    Terrain terrain(dataset.get(), withCleaningStep(int(state.range(2))));
    for (auto _ : state)
        benchmark::DoNotOptimize(terrain.buildTerrain());
    perPoint(state);
}
BENCHMARK(rebuildWithCleaning)->Apply(cleaningCases);
