#pragma once

#include "app/result.h"
#include "datasets/surveyexport.h"

#include <QString>
#include <functional>

class Dataset;

// Writes `dataset` in `format` to `path`, its grid cleaned first. Nothing is written for a
// dataset without values or one too narrow for the format.
Outcome writeSurvey(const Dataset& dataset, SurveyFormat format, const QString& path,
                    const GridCleaning& cleaning = {});

// Loads dataset `id` of `datasetFolder` and has `write` write it to a free path in `targetFolder`
// named after `name` (the stored name when empty) by the export name rule, with "(1)", "(2)",
// ... when taken, and `extension`. Gives the file written.
using DatasetWriter = std::function<Outcome(const Dataset& dataset, const QString& path)>;
Result<QString> exportStored(const QString& datasetFolder, const QString& id, const QString& extension,
                             const QString& targetFolder, const QString& name, const DatasetWriter& write);

// Writes dataset `id` of `datasetFolder` in `format` into `targetFolder`, named after `name`
// (the stored name when empty) by the export name rule, with "(1)", "(2)", ... when taken.
// Gives the file written. Nothing is written unless the dataset loads and fits the format.
Result<QString> exportStoredDataset(const QString& datasetFolder, const QString& id, SurveyFormat format,
                                    const QString& targetFolder, const QString& name = {},
                                    const GridCleaning& cleaning = {});
