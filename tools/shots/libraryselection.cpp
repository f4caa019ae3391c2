#include "libraryselection.h"

#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "datasets/familyclasses.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/editwidget.h"
#include "datasets/widgets/imagelabel.h"

#include <QApplication>
#include <QGeoCoordinate>
#include <QTimer>
#include <cmath>

namespace {
// A field with a ridge across its tracks, recorded on `day` of May 2025.
void storeField(const QString& name, const QString& location, int day, const QGeoCoordinate& where)
{
    DataSetBrolSensor dataset;
    dataset.setName(name);
    dataset.setLocation(location);
    dataset.setDate(QDate(2025, 5, day));
    for (int t = 0; t < 10; ++t) {
        std::vector<std::int16_t> track;
        for (int s = 0; s < 30; ++s)
            track.push_back(std::int16_t(400 * std::exp(-std::pow((s - 3 * t) / 4.0, 2)) + 15 * std::sin(s)));
        dataset.appendTrack(track);
    }
    dataset.setCoordinate(where); // after the tracks: each takes the current position
    if (const Outcome saved = dataset.save(); !saved)
        qFatal("dataset not saved: %s", qPrintable(saved.failure().reason));
}
} // namespace

void shootLibrarySelection(const QString& out, const QString& name, const QSize& size,
                           const std::function<void(int)>& settle,
                           const std::function<void(const QString&)>& saveScreen)
{
    storeField(QStringLiteral("Orchard north"), QStringLiteral("Lindenhof"), 3, {48.137154, 11.576124});
    storeField(QStringLiteral("Meadow"), QStringLiteral("Am Bach"), 9, {48.2, 11.6});
    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    libraryDirty = true;
    window.setViewState();
    settle(800);
    DatasetViewer* library = window.datasetLibrary();
    if (library->tiles().empty())
        return;
    emit library->tiles().front()->findChild<ImageLabel*>()->imageSelected(); // a tap on the preview
    settle(500);
    saveScreen(out + "/library-selected-" + name + ".png");

    // The dialog is modal: shot and closed from inside its own event loop.
    QTimer::singleShot(800, [&] {
        saveScreen(out + "/library-edit-" + name + ".png");
        if (auto* dialog = qobject_cast<EditWidget*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    library->editDataset();
}
