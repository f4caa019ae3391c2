#pragma once

#include "datasets/datasetrecord.h"

#include <QImage>
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
// Entries in sub-folders (the trash) are not read, nor folders named like a metadata file.
std::vector<ListedDataset> listDatasets(const QString& folder, const std::function<void(int)>& progress);

// The preview stored at `path`, or a null image when it is missing, not an image or declares a
// size far beyond a stored preview's (a damaged or foreign file must not claim gigabytes).
QImage readDatasetPreview(const QString& path);

// The size the file at `path` declares for the preview readDatasetPreview would read, from its
// header only; invalid where readDatasetPreview gives a null image without decoding.
QSize datasetPreviewSize(const QString& path);
