#pragma once

#include <QObject>
#include <vector>

class DatasetWidget;

// Builds the library's tiles from the metadata files of the dataset folder.
class DataReader : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

public slots:
    void readDatasets();

signals:
    void updateProgress(int percent);
    void readingFinished(std::vector<DatasetWidget*> widgets);
};
