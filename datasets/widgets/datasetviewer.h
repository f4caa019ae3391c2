#pragma once

#include <QWidget>

class QListWidget;

// The dataset library. Until its tiles are built it lists the stored datasets by name;
// choosing one opens it in the 3D view.
class DatasetViewer : public QWidget
{
    Q_OBJECT
public:
    explicit DatasetViewer(QWidget* parent = nullptr);

    // Re-reads the dataset folder while the stored datasets changed (libraryDirty).
    void reloadDatasets();

signals:
    void datasetSelected(QString id, int probeId);
    void fileTransferInitiated(QString id);

private:
    QListWidget* list = nullptr;
};
