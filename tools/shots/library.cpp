#include "library.h"

#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "datasets/familyclasses.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"

#include <QMenu>
#include <QToolButton>

#include <cmath>

namespace {
// A field of `tracks` tracks with one buried object in its middle.
void storeField(const QString& name, const QString& location, int tracks)
{
    DataSetBrolSensor dataset;
    dataset.setName(name);
    dataset.setLocation(location);
    const int samples = 40;
    for (int t = 0; t < tracks; ++t) {
        std::vector<std::int16_t> track;
        for (int s = 0; s < samples; ++s) {
            const double dx = (s - samples / 2.0) / 6.0;
            const double dy = (t - tracks / 2.0) / 2.0;
            track.push_back(std::int16_t(600 * std::exp(-(dx * dx + dy * dy)) + 20 * std::sin(s * 0.7)));
        }
        dataset.appendTrack(track);
    }
    if (const Outcome saved = dataset.save(); !saved)
        qFatal("dataset not saved: %s", qPrintable(saved.failure().reason));
}
} // namespace

void shootLibrary(const QString& out, const QString& name, const QSize& size,
                  const std::function<void(int)>& settle, const std::function<void(const QString&)>& saveScreen)
{
    storeField(QStringLiteral("Garden"), QStringLiteral("Berlin"), 8);
    storeField(QStringLiteral("Field 2"), QStringLiteral("Potsdam"), 12);
    libraryDirty = true;
    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    window.setViewState();
    settle(800);
    saveScreen(out + "/library-" + name + ".png");

    // The first tile's grid-export menu, with the map exports under the grid formats.
    DatasetViewer* library = window.datasetLibrary();
    if (library->tiles().empty())
        return;
    QToolButton* gridButton = library->tiles().front()->findChild<QToolButton*>(QStringLiteral("gridExportButton"));
    emit gridButton->pressed();
    settle(500);
    saveScreen(out + "/library-grid-menu-" + name + ".png");
    if (auto* menu = library->tiles().front()->findChild<QMenu*>())
        menu->hide();
}
