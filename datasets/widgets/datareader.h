#pragma once

#include <QObject>
#include <vector>

class DatasetWidget;
class QWidget;

// Builds the library's tiles from the metadata files of the dataset folder, as children of
// `tileParent` (the page that will show them).
class DataReader : public QObject
{
    Q_OBJECT
public:
    explicit DataReader(QWidget* tileParent);

public slots:
    void readDatasets();

signals:
    void updateProgress(int percent);
    void readingFinished(std::vector<DatasetWidget*> widgets);

private:
    QWidget* tileParent;
};
