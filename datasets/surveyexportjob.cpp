#include "datasets/surveyexportjob.h"

#include "acquisition/probefamily.h"
#include "datasets/datasetfolder.h"
#include "datasets/datasetrecord.h"
#include "datasets/exportnames.h"
#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

#include <QFile>

namespace {
// Only the probe id is wanted here; the loader itself refuses damaged metadata.
constexpr qint64 metadataPeekBytes = 1 << 20;

int storedProbeId(const QString& datasetFolder, const QString& id)
{
    QFile file(datasetFilePathIn(datasetFolder, id, QStringLiteral(".xml")));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return datasetRecordFromMetadata(id, file.read(metadataPeekBytes)).probeId;
}
} // namespace

std::unique_ptr<FamilyDataset> loadStoredDataset(const QString& datasetFolder, const QString& id,
                                                 SurveyExportResult& failure)
{
    const ProbeFamily* family = findProbeFamily(storedProbeId(datasetFolder, id));
    if (!family) {
        failure = SurveyExportResult::UnknownProbe;
        return nullptr;
    }
    auto dataset = std::make_unique<FamilyDataset>(*family, std::make_unique<FamilyProperties>(family->fieldInput));
    if (!dataset->loadFrom(datasetFolder, id)) {
        failure = SurveyExportResult::NotLoaded;
        return nullptr;
    }
    return dataset;
}

SurveyExport exportStoredDataset(const QString& datasetFolder, const QString& id, SurveyFormat format,
                                 const QString& targetFolder, const QString& name)
{
    SurveyExport outcome;
    const QString extension = QLatin1String(surveyFormatInfo(format).extension);
    const std::unique_ptr<FamilyDataset> dataset = loadStoredDataset(datasetFolder, id, outcome.result);
    const QString targetName = name.isEmpty() && dataset ? dataset->name() : name;
    outcome.path = freeExportPath(targetFolder, exportBaseName(targetName, id), extension);
    if (!dataset)
        return outcome;
    const QByteArray text = surveyText(*dataset, format);
    const bool tooNarrow = text.isEmpty() && surveyGridFit(*dataset, format) == SurveyGridFit::TooNarrow;
    if (text.isEmpty())
        outcome.result = tooNarrow ? SurveyExportResult::TooNarrow : SurveyExportResult::NoValues;
    else if (writeFileAtomically(outcome.path, text, QIODevice::Text))
        outcome.result = SurveyExportResult::Written;
    else
        outcome.result = SurveyExportResult::NotWritten;
    return outcome;
}
