#pragma once

#include "datasets/surveyexport.h"

#include <QString>
#include <memory>

class FamilyDataset;

enum class SurveyExportResult {
    Written,
    UnknownProbe,  // the metadata's "probe id" names no family (or the metadata is missing)
    NotLoaded,     // the dataset's files do not load
    NoValues,      // a dataset without rows, columns or a positive width and length
    TooNarrow,     // one track or one row, which a Surfer grid cannot place
    NotWritten,    // the target file cannot be written
};

struct SurveyExport
{
    SurveyExportResult result = SurveyExportResult::NotWritten;
    QString path;  // the file written, or the one that would have been
};

// Dataset `id` of `datasetFolder`, of the family its stored "probe id" names; null when there
// is no such family or the files do not load (`failure` says which).
std::unique_ptr<FamilyDataset> loadStoredDataset(const QString& datasetFolder, const QString& id,
                                                 SurveyExportResult& failure);

// Writes dataset `id` of `datasetFolder` in `format` into `targetFolder`, named after `name`
// (the stored name when empty) by the export name rule, with "(1)", "(2)", ... when taken.
// Nothing is written unless the dataset loads and fits the format.
SurveyExport exportStoredDataset(const QString& datasetFolder, const QString& id, SurveyFormat format,
                                 const QString& targetFolder, const QString& name = {});
