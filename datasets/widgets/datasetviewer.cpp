#include "datasets/widgets/datasetviewer.h"

#include "app/appsettings.h"
#include "app/messagebox.h"
#include "datasets/coordinatetext.h"
#include "datasets/datasetrecord.h"
#include "datasets/datasetstore.h"
#include "datasets/exportnames.h"
#include "datasets/familydataset.h"
#include "datasets/mapexport.h"
#include "datasets/surveyexportjob.h"
#include "datasets/vtkexport.h"
#include "datasets/widgets/bottomwidget.h"
#include "datasets/widgets/centralwidget.h"
#include "datasets/widgets/datareader.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/editwidget.h"
#include "datasets/widgets/topwidget.h"

#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QProgressBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScroller>
#include <QVBoxLayout>
#include <algorithm>
#include <memory>

DatasetViewer::DatasetViewer(QWidget* parent)
    : QWidget(parent)
    , layout(new QVBoxLayout(this))
    , sortBar(new TopWidget(this))
    , scrollArea(new QScrollArea(this))
    , container(new CentralWidget)
    , actionBar(new BottomWidget(this))
    , progressBar(new QProgressBar(this))
{
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(true);
    scrollArea->setWidget(container);
    QScroller::grabGesture(scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    progressBar->setRange(0, 100);
    progressBar->hide();
    layout->addWidget(sortBar);
    layout->addWidget(progressBar);
    layout->addWidget(scrollArea, 1);
    layout->addWidget(actionBar);

    connect(sortBar, &TopWidget::dateButtonPressed, this, &DatasetViewer::sortByDate);
    connect(sortBar, &TopWidget::nameButtonPressed, this, &DatasetViewer::sortByName);
    connect(sortBar, &TopWidget::locationButtonPressed, this, &DatasetViewer::sortByLocation);
    connect(actionBar, &BottomWidget::deleteDatasets, this, &DatasetViewer::deleteSelectedDatasets);
    connect(actionBar, &BottomWidget::showMapData, this, &DatasetViewer::showDatasetPositionGoogleMaps);
    connect(actionBar, &BottomWidget::editDataset, this, &DatasetViewer::editDataset);
}

DatasetViewer::~DatasetViewer()
{
    for (DatasetWidget* tile : tileList)
        tile->deleteLater();
    worker.quit();
    worker.wait();
}

void DatasetViewer::reloadDatasets()
{
    if (!libraryDirty)
        return;
    clearSelection();
    for (DatasetWidget* tile : tileList)
        tile->deleteLater();
    tileList.clear();
    progressBar->setValue(0);
    progressBar->show();

    auto* reader = new DataReader(container->startPage());
    worker.wait();
    reader->moveToThread(&worker);
    connect(&worker, &QThread::finished, reader, &QObject::deleteLater);
    connect(reader, &DataReader::readingFinished, this, &DatasetViewer::showDataWidgets);
    connect(reader, &DataReader::updateProgress, progressBar, &QProgressBar::setValue);
    worker.start();
    reader->readDatasets();
}

void DatasetViewer::showDataWidgets(std::vector<DatasetWidget*> widgets)
{
    worker.quit();
    tileList = std::move(widgets);
    for (DatasetWidget* tile : tileList)
        connectTile(tile);
    sortKey = Unsorted;
    sortByDate();
    applyLayoutMode();
    libraryDirty = false;
    progressBar->hide();
}

void DatasetViewer::connectTile(DatasetWidget* tile)
{
    connect(tile, &DatasetWidget::datasetSelected, this, &DatasetViewer::viewButtonPressed);
    connect(tile, &DatasetWidget::imageSelected, this, &DatasetViewer::addDatasetToSelection);
    connect(tile, &DatasetWidget::startFiletransfer, this, &DatasetViewer::fileTransferInitiated);
    connect(tile, &DatasetWidget::zipDataset, this, &DatasetViewer::zipDataset);
    connect(tile, &DatasetWidget::exportDatasetToVTK, this, &DatasetViewer::exportDatasetToVTK);
    connect(tile, &DatasetWidget::exportDatasetToGrid, this, &DatasetViewer::exportDatasetToGrid);
    connect(tile, &DatasetWidget::exportDatasetToMap, this, &DatasetViewer::exportDatasetToMap);
}

void DatasetViewer::viewButtonPressed(QString name, int probeId)
{
    emit datasetSelected(name, probeId);
}

template <typename Order>
void DatasetViewer::sortTiles(SortKey key, Order order)
{
    if (sortKey == key)
        std::reverse(tileList.begin(), tileList.end());
    else
        std::sort(tileList.begin(), tileList.end(),
                  [order](const DatasetWidget* a, const DatasetWidget* b) { return order(a->record(), b->record()); });
    container->setTiles(tileList);
    sortKey = key;
}

void DatasetViewer::sortByDate()
{
    sortTiles(ByDate, newerFirst);
}

void DatasetViewer::sortByName()
{
    sortTiles(ByName, nameOrder);
}

void DatasetViewer::sortByLocation()
{
    sortTiles(ByLocation, locationOrder);
}

void DatasetViewer::addDatasetToSelection(QString name)
{
    if (!selected.removeOne(name))
        selected.append(name);
    actionBar->setSingleActionsVisible(selected.size() < 2);
    actionBar->setVisible(!selected.isEmpty());
}

void DatasetViewer::clearSelection()
{
    selected.clear();
    actionBar->hide();
}

void DatasetViewer::deleteSelectedDatasets()
{
    if (selected.isEmpty())
        return;
    // No confirmation: the files go to the trash folder, not away.
    const DatasetStore store;
    for (const QString& id : selected)
        if (const Outcome moved = store.moveToTrash(id); !moved)
            qWarning().noquote() << "Delete:" << moved.failure().reason;
    clearSelection();
    libraryDirty = true;
    reloadDatasets();
}

DatasetWidget* DatasetViewer::firstSelectedTile() const
{
    if (tileList.empty())
        return nullptr;
    const QString first = selected.value(0);
    const auto found = std::find_if(tileList.begin(), tileList.end(),
                                    [&first](const DatasetWidget* tile) { return tile->record().identifier == first; });
    return found != tileList.end() ? *found : tileList.front();
}

void DatasetViewer::editDataset()
{
    const DatasetWidget* tile = firstSelectedTile();
    if (!tile)
        return;
    DatasetRecord record = tile->record();
    EditWidget dialog(&record, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const DatasetStore store;
    if (const Outcome edited = store.storeEdit(record); !edited) {
        qWarning().noquote() << "Edit:" << edited.failure().reason;
        MessageBox::warning(this, tr("Error"),
                            tr("The dataset could not be changed: ") + QLatin1Char('\n')
                                + store.path(record.identifier, DatasetFile::Metadata));
        return;
    }
    clearSelection();
    reloadDatasets();
}

void DatasetViewer::showDatasetPositionGoogleMaps()
{
    const DatasetWidget* tile = firstSelectedTile();
    if (!tile)
        return;
    const QGeoCoordinate coordinate = tile->record().coordinate;
    if (coordinate.latitude() == 0.0 && coordinate.longitude() == 0.0) {
        MessageBox::warning(this, tr("Error"), tr("No coordinates provided"));
        return;
    }
    QDesktopServices::openUrl(mapLink(coordinate));
}

void DatasetViewer::reportExport(bool done, const QString& path)
{
    if (done)
        MessageBox::information(this, QString(),
                                tr("Dataset exportet to the download directory: ") + QLatin1Char('\n') + path);
    else
        MessageBox::warning(this, QString(), tr("Dataset could not be exportet to: ") + QLatin1Char('\n') + path);
}

void DatasetViewer::zipDataset(QString id, QString name)
{
    const QString path = freeExportPath(downloadFolder(), exportBaseName(name, id), QStringLiteral(".zip"));
    const Outcome zipped = DatasetStore().zip(id, path);
    if (!zipped)
        qWarning().noquote() << "ZIP export:" << zipped.failure().reason;
    reportExport(zipped.ok(), path);
}

std::unique_ptr<FamilyDataset> DatasetViewer::openForExport(const QString& id, const QString& path)
{
    const DatasetStore store;
    // Without a known probe there is no dataset to read: the export fails like an unwritable file.
    if (const Result<int> probe = store.probeId(id); !probe) {
        qWarning().noquote() << "Export of" << id << ":" << probe.failure().reason;
        reportExport(false, path);
        return nullptr;
    }
    Result<std::unique_ptr<FamilyDataset>> dataset = store.open(id);
    if (!dataset) {
        qWarning().noquote() << "Cannot load dataset" << id << ":" << dataset.failure().reason;
        MessageBox::critical(this, datasetLoadFailureTitle(), dataset.failure().text);
        return nullptr;
    }
    return std::move(dataset.value());
}

void DatasetViewer::exportDatasetToVTK(QString id, QString name)
{
    const QString path = freeExportPath(downloadFolder(), exportBaseName(name, id), QStringLiteral(".vtk"));
    const std::unique_ptr<FamilyDataset> dataset = openForExport(id, path);
    if (!dataset)
        return;
    const Outcome written = writeVtkFile(*dataset, path);
    if (!written)
        qWarning().noquote() << "VTK export:" << written.failure().reason;
    reportExport(written.ok(), path);
}

void DatasetViewer::exportDatasetToGrid(QString id, QString name, int format)
{
    const QString extension = QLatin1String(surveyFormatInfo(SurveyFormat(format)).extension);
    const QString path = freeExportPath(downloadFolder(), exportBaseName(name, id), extension);
    const std::unique_ptr<FamilyDataset> dataset = openForExport(id, path);
    if (!dataset)
        return;
    const Outcome written = writeSurvey(*dataset, SurveyFormat(format), path);
    if (!written)
        qWarning().noquote() << "Grid export:" << written.failure().reason;
    reportExport(written.ok(), path);
}

void DatasetViewer::exportDatasetToMap(QString id, QString name, int format)
{
    const QString extension = QLatin1String(mapFormatInfo(MapFormat(format)).extension);
    const QString path = freeExportPath(downloadFolder(), exportBaseName(name, id), extension);
    const std::unique_ptr<FamilyDataset> dataset = openForExport(id, path);
    if (!dataset)
        return;
    const Outcome written = writeMapExport(*dataset, MapFormat(format), path);
    if (!written)
        qWarning().noquote() << "Map export:" << written.failure().reason;
    if (!written && !written.failure().text.isEmpty())
        MessageBox::warning(this, tr("Error"), written.failure().text);
    else
        reportExport(written.ok(), path);
}

void DatasetViewer::applyLayoutMode()
{
    container->setMaximumWidth(width() - 18);
    // Texts side by side where each gets two inches beside the picture and the buttons.
    const int besideTexts = DatasetWidget::previewSide() + std::min(inches(2), screenShortSide() / 4);
    const bool wide = (width() > height() || width() > 6 * screenDpi) && width() - besideTexts >= inches(6);
    sortBar->setLeadingSpace(wide ? DatasetWidget::previewSide() + 5 : 0);
    for (DatasetWidget* tile : tileList) {
        tile->setWideLayout(wide);
        tile->resize(width(), tile->height());
    }
}

void DatasetViewer::resizeEvent(QResizeEvent* event)
{
    qDebug() << "Resolution: " << event->size();
    QWidget::resizeEvent(event);
    applyLayoutMode();
}

void DatasetViewer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyLayoutMode();
}

void DatasetViewer::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        libraryDirty = true;
        reloadDatasets();
    }
    QWidget::changeEvent(event);
}
