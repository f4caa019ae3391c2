#pragma once

#include "datasets/datasetrecord.h"

#include <QString>
#include <functional>
#include <vector>

// A dataset found in the dataset folder: its record and where its preview would be.
struct ListedDataset
{
    DatasetRecord record;
    QString previewPath;
};

// Every entry of `folder` (names sorted case-insensitively) whose name ends with ".xml", in
// that order. After each such entry i of the N entries, progress(100 * (i + 1) / (N + 1)).
// Entries in sub-folders (the trash) are not read.
std::vector<ListedDataset> listDatasets(const QString& folder, const std::function<void(int)>& progress);
