#pragma once

#include <QStringList>
#include <QThread>
#include <QWidget>
#include <memory>
#include <vector>

class BottomWidget;
class CentralWidget;
class DatasetWidget;
class FamilyDataset;
class QProgressBar;
class QScrollArea;
class QVBoxLayout;
class TopWidget;

// The dataset library: one tile per stored dataset, sorted by date, name or location; the
// selected datasets can be deleted, one can be edited or shown on a web map, and each tile
// opens, sends or exports its dataset.
class DatasetViewer : public QWidget
{
    Q_OBJECT
public:
    explicit DatasetViewer(QWidget* parent = nullptr);
    ~DatasetViewer() override;

    // Re-reads the dataset folder while the stored datasets changed (libraryDirty). Every
    // reload starts with nothing selected.
    void reloadDatasets();

    const std::vector<DatasetWidget*>& tiles() const { return tileList; }
    const QStringList& selection() const { return selected; }

signals:
    void datasetSelected(QString id, int probeId);
    void fileTransferInitiated(QString id);

public slots:
    void showDataWidgets(std::vector<DatasetWidget*> widgets);
    void viewButtonPressed(QString name, int probeId);
    void sortByDate();
    void sortByName();
    void sortByLocation();
    void addDatasetToSelection(QString name);
    void deleteSelectedDatasets();
    void editDataset();
    void showDatasetPositionGoogleMaps();
    void zipDataset(QString id, QString name);
    void exportDatasetToVTK(QString id, QString name);
    // format: a SurveyFormat (datasets/surveyexport.h).
    void exportDatasetToGrid(QString id, QString name, int format);
    // format: a MapFormat (datasets/mapexport.h). A dataset without a position or a bearing
    // is refused with a box that says what to add.
    void exportDatasetToMap(QString id, QString name, int format);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    enum SortKey { Unsorted = -1, ByDate = 1, ByName = 2, ByLocation = 3 };
    template <typename Order>
    void sortTiles(SortKey key, Order order);
    void connectTile(DatasetWidget* tile);
    void clearSelection();
    void applyLayoutMode();
    DatasetWidget* firstSelectedTile() const;
    void reportExport(bool done, const QString& path);
    // The stored dataset to export to `path`, or nothing after a box told why: the export
    // failure for a dataset of no known probe, the load failure for one that does not load.
    std::unique_ptr<FamilyDataset> openForExport(const QString& id, const QString& path);

    QVBoxLayout* layout = nullptr;
    TopWidget* sortBar = nullptr;
    QScrollArea* scrollArea = nullptr;
    CentralWidget* container = nullptr;
    BottomWidget* actionBar = nullptr;
    std::vector<DatasetWidget*> tileList;
    QStringList selected;
    int sortKey = Unsorted;
    QProgressBar* progressBar = nullptr;
    QThread worker;
};
