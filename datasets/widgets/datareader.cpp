#include "datasets/widgets/datareader.h"

#include "datasets/datasetstore.h"
#include "datasets/widgets/datasetwidget.h"

DataReader::DataReader(QWidget* parentOfTiles)
    : tileParent(parentOfTiles)
{
}

void DataReader::readDatasets()
{
    const std::vector<ListedDataset> listed =
        DatasetStore().list([this](int percent) { emit updateProgress(percent); });
    std::vector<DatasetWidget*> widgets;
    widgets.reserve(listed.size());
    for (const ListedDataset& dataset : listed)
        widgets.push_back(new DatasetWidget(dataset.record, dataset.previewPath, tileParent));
    emit readingFinished(widgets);
}
