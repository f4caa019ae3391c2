#include "deleteddatasets.h"

#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "datasets/datasetstore.h"

#include <QAction>

void shootDeletedDatasets(const QString& out, const QString& name, const QSize& size,
                          const std::function<void(int)>& settle,
                          const std::function<void(const QString&)>& saveScreen)
{
    const DatasetStore store;
    const std::vector<ListedDataset> stored = store.list();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (std::size_t i = 0; i < stored.size() && i < 2; ++i)
        (void)store.moveToTrash(stored[i].record.identifier, now.addSecs(-3600 * qint64(i + 1)));
    libraryDirty = true;

    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    settle(500);
    window.navigationBar()->deletedDatasetsEntry()->trigger();
    settle(800);
    saveScreen(out + "/deleted-datasets-" + name + ".png");
}
