#include "datasets/surveyexportjob.h"

#include "datasets/atomicwrite.h"
#include "datasets/datasetstore.h"
#include "datasets/exportnames.h"
#include "datasets/familydataset.h"

Outcome writeSurvey(const Dataset& dataset, SurveyFormat format, const QString& path,
                    const GridCleaning& cleaning)
{
    const QByteArray text = surveyText(dataset, format, cleaning);
    if (text.isEmpty() && surveyGridFit(dataset, format) == SurveyGridFit::TooNarrow)
        return Failure{QStringLiteral("a Surfer grid needs at least two tracks and two rows"), {}};
    if (text.isEmpty())
        return Failure{QStringLiteral("the dataset holds no values"), {}};
    return writeFileAtomically(path, text, QIODevice::Text);
}

Result<QString> exportStored(const QString& datasetFolder, const QString& id, const QString& extension,
                             const QString& targetFolder, const QString& name, const DatasetWriter& write)
{
    const Result<std::unique_ptr<FamilyDataset>> dataset = DatasetStore(datasetFolder).open(id);
    if (!dataset)
        return Failure{QStringLiteral("the dataset does not load: ") + dataset.failure().reason,
                       dataset.failure().text};
    const FamilyDataset& loaded = *dataset.value();
    const QString path =
        freeExportPath(targetFolder, exportBaseName(name.isEmpty() ? loaded.name() : name, id), extension);
    if (const Outcome written = write(loaded, path); !written)
        return written.failure();
    return path;
}

Result<QString> exportStoredDataset(const QString& datasetFolder, const QString& id, SurveyFormat format,
                                    const QString& targetFolder, const QString& name,
                                    const GridCleaning& cleaning)
{
    return exportStored(datasetFolder, id, QLatin1String(surveyFormatInfo(format).extension), targetFolder, name,
                        [&](const Dataset& dataset, const QString& path) {
                            return writeSurvey(dataset, format, path, cleaning);
                        });
}
