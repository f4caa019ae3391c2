#pragma once

#include <QString>
#include <vector>

// A stored dataset: the folder holding its files and its identifier.
struct DatasetInput
{
    QString folder;
    QString id;
};

// The datasets a command-line argument names: a folder gives every dataset in it (by its
// metadata files, sub-folders such as the trash are not read); a dataset file (.xml, .s3d or
// .png) gives its dataset; anything else is an identifier in `datasetFolder`. Empty, with
// `error` set, when the argument names no dataset.
std::vector<DatasetInput> datasetsNamedBy(const QString& argument, const QString& datasetFolder,
                                          QString& error);
