#include "datasets/widgets/datareader.h"

#include "app/appsettings.h"
#include "datasets/datasetlisting.h"
#include "datasets/widgets/datasetwidget.h"

void DataReader::readDatasets()
{
    const std::vector<ListedDataset> listed =
        listDatasets(documentsFolder(), [this](int percent) { emit updateProgress(percent); });
    std::vector<DatasetWidget*> widgets;
    widgets.reserve(listed.size());
    for (const ListedDataset& dataset : listed)
        widgets.push_back(new DatasetWidget(dataset.record, dataset.previewPath));
    emit readingFinished(widgets);
}
