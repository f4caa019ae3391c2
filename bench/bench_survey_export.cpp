#include "benchenvironment.h"
#include "datasets/familyclasses.h"
#include "datasets/mapexport.h"
#include "datasets/surveyexport.h"
#include "datasets/vtkexport.h"

#include <QGuiApplication>
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

// The KMZ legend is drawn with fonts, which need a GUI application.
void guiOnce()
{
    static int argc = 1;
    static char name[] = "bench_survey_export";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
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

// The same field laid on the map, turned by 30 degrees: GeoTIFF of readings, of colours, KMZ.
static void mapFileOfLargeSurvey(benchmark::State& state)
{
    prepareOnce();
    guiOnce();
    const auto dataset = fieldOf200Tracks();
    dataset->setCoordinate(QGeoCoordinate(48.137, 11.575));
    dataset->setBearing(30);
    const MapFormat format = mapFormats[state.range(0)].format;
    qint64 bytes = 0;
    for (auto _ : state) {
        const Result<QByteArray> file = mapFile(*dataset, format, 1);
        bytes = file ? file.value().size() : -1;
        benchmark::DoNotOptimize(bytes);
    }
    state.SetLabel(QStringLiteral("%1, %2 MB").arg(mapFormats[state.range(0)].key).arg(bytes / 1e6, 0, 'f', 1).toStdString());
    state.SetItemsProcessed(state.iterations() * int64_t(tracks) * rows);
}
BENCHMARK(mapFileOfLargeSurvey)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(2);

static void vtkGridText(benchmark::State& state)
{
    prepareOnce();
    const auto dataset = fieldOf200Tracks();
    for (auto _ : state)
        benchmark::DoNotOptimize(vtkText(*dataset));
    state.SetItemsProcessed(state.iterations() * int64_t(tracks) * rows);
}
BENCHMARK(vtkGridText)->Unit(benchmark::kMillisecond);
