#include "app/appsettings.h"
#include "benchenvironment.h"
#include "datasets/widgets/datasetviewer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <benchmark/benchmark.h>

namespace {
QApplication& application()
{
    static int argc = 1;
    static char name[] = "bench_library";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
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
} // namespace

// Listing the library and building its tiles, as entering the screen does.
static void listLibrary(benchmark::State& state)
{
    prepareOnce();
    application();
    fillLibrary(int(state.range(0)));
    DatasetViewer viewer;
    viewer.resize(1280, 800);
    for (auto _ : state) {
        libraryDirty = true;
        viewer.reloadDatasets();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        benchmark::DoNotOptimize(viewer.tiles().size());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(listLibrary)->Arg(1000)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(3)->Complexity();
