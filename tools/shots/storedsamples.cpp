#include "storedsamples.h"

#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "datasets/datasetstore.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QDir>
#include <QFile>

void shootStoredDatasets(const QString& out, const QString& name, const QSize& size,
                         const std::function<void(int)>& settle, const std::function<void(const QString&)>& saveScreen)
{
    const QString source = qEnvironmentVariable("SORVANEL_SHOTS_DATASETS");
    if (source.isEmpty())
        return;
    // Only these datasets in the library: the earlier shots' fields leave.
    QDir own(documentsFolder());
    for (const QString& file : own.entryList({"*.s3d", "*.xml", "*.png"}, QDir::Files))
        own.remove(file);
    const QDir from(source);
    for (const QString& file : from.entryList({"*.s3d", "*.xml", "*.png"}, QDir::Files))
        QFile::copy(from.filePath(file), documentsFolder() + file);
    libraryDirty = true;
    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    window.setViewState();
    settle(1500);
    saveScreen(out + "/samples-library-" + name + ".png");

    int shown = 0;
    for (const ListedDataset& listed : DatasetStore(source).list()) {
        window.setVisualizationState(listed.record.identifier, listed.record.probeId);
        settle(1000);
        // The large survey takes a while to build on a software renderer.
        for (int waited = 0; window.heightFieldViewer() && window.heightFieldViewer()->view()->building() && waited < 60;
             ++waited)
            settle(500);
        settle(1000);
        saveScreen(QStringLiteral("%1/samples-%2-%3.png").arg(out).arg(++shown).arg(name));
    }
}
