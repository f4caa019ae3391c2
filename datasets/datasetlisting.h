#pragma once

#include "datasets/datasetrecord.h"

#include <QImage>
#include <QString>
#include <vector>

// A dataset found in a dataset folder (DatasetStore::list): its record and where its preview
// would be.
struct ListedDataset
{
    DatasetRecord record;
    QString previewPath;
};

// The preview stored at `path`, or a null image when it is missing, not an image or declares a
// size far beyond a stored preview's (a damaged or foreign file must not claim gigabytes).
QImage readDatasetPreview(const QString& path);

// The size the file at `path` declares for the preview readDatasetPreview would read, from its
// header only; invalid where readDatasetPreview gives a null image without decoding.
QSize datasetPreviewSize(const QString& path);
