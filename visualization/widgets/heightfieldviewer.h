#pragma once

#include <QWidget>

class Dataset;
class QLabel;

// The 3D view screen of a stored dataset. For now it names the dataset it was given; the
// terrain renderer and its controls take its place as they are built.
class HeightFieldViewer : public QWidget
{
    Q_OBJECT
public:
    explicit HeightFieldViewer(QWidget* parent = nullptr);
    // The dataset is held, not owned.
    void setDataset(Dataset* dataset);
    Dataset* dataset() const { return dataset_; }

signals:
    void setDatasetViewMode();
    void setRecordMode();

private:
    Dataset* dataset_ = nullptr;
    QLabel* label = nullptr;
};

// The viewer for a dataset of probe `id`; throws std::runtime_error("Unknown Probe ID") for an
// id outside the catalogue. The caller owns it.
HeightFieldViewer* createViewer(int id);
