#include "app/appsettings.h"
#include "app/resources.h"
#include "app/widgets/look.h"
#include "benchenvironment.h"
#include "datasets/widgets/datasetviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <benchmark/benchmark.h>

#include <memory>

namespace {
// With the program's style sheet and font: every widget of a tile is polished through them.
QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_library";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    prepareOnce();
    static QApplication app(argc, argv);
    static const bool looked = [] {
        initResources();
        applyLook(app, screenDpi);
        return true;
    }();
    (void)looked;
    return app;
}

// A library of `count` datasets: metadata and a preview each (the listing reads no values).
void fillLibrary(int count)
{
    QDir folder(documentsFolder());
    folder.removeRecursively();
    QDir().mkpath(documentsFolder());
    QImage preview(128, 128, QImage::Format_RGB32);
    preview.fill(Qt::darkGreen);
    for (int i = 0; i < count; ++i) {
        const QString id = QStringLiteral("dataset-%1").arg(i, 5, 10, QLatin1Char('0'));
        const QJsonObject metadata{{"name", QStringLiteral("Field %1").arg(i)},
                                   {"date", QStringLiteral("%1.03.2025").arg(i % 28 + 1, 2, 10, QLatin1Char('0'))},
                                   {"time", "10:00:00"}, {"location", "Hill"}, {"lat", 48.1}, {"lon", 11.5},
                                   {"probe id", 170}};
        QFile file(documentsFolder() + id + ".xml");
        file.open(QIODevice::WriteOnly);
        file.write(QJsonDocument(metadata).toJson());
        preview.save(documentsFolder() + id + ".png");
    }
}

// Entering the screen: the listing, then everything queued until the tiles are laid out and
// painted, and the old tiles gone.
void listAndShow(DatasetViewer& viewer)
{
    libraryDirty = true;
    viewer.reloadDatasets();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    benchmark::DoNotOptimize(viewer.tiles().size());
}

std::unique_ptr<DatasetViewer> shownViewer()
{
    auto viewer = std::make_unique<DatasetViewer>();
    viewer->resize(1280, 800);
    viewer->show();
    QCoreApplication::processEvents();
    return viewer;
}
} // namespace

// The first listing after the files were written, on a new screen.
static void listLibraryCold(benchmark::State& state)
{
    application();
    for (auto _ : state) {
        state.PauseTiming();
        fillLibrary(int(state.range(0)));
        std::unique_ptr<DatasetViewer> viewer = shownViewer();
        state.ResumeTiming();
        listAndShow(*viewer);
        state.PauseTiming();
        viewer.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(listLibraryCold)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(2)->Complexity(benchmark::oN);

// Entering the screen again: the same files listed once more, the old tiles replaced.
static void listLibraryWarm(benchmark::State& state)
{
    application();
    fillLibrary(int(state.range(0)));
    std::unique_ptr<DatasetViewer> viewer = shownViewer();
    listAndShow(*viewer);
    for (auto _ : state)
        listAndShow(*viewer);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(listLibraryWarm)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity(benchmark::oN);
