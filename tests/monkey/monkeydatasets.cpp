#include "monkeydatasets.h"

#include "acquisition/devices/probefactory.h"
#include "datasets/familydataset.h"
#include "app/appsettings.h"
#include "datasets/datasetstore.h"
#include "monkeyrandom.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <memory>

namespace MonkeyDatasets {

QString store(MonkeyRandom& random, int probeId, const QString& name)
{
    std::unique_ptr<Dataset> made(createDatasetForProbe(probeId));
    auto* dataset = dynamic_cast<FamilyDataset*>(made.get());
    if (!dataset)
        qFatal("no family dataset for probe %d", probeId);
    dataset->setName(name);
    dataset->setLocation(QStringLiteral("Plot %1").arg(random.between(1, 99)));
    // Some without a position: the map link then has nothing to show.
    if (random.chance(0.7))
        dataset->setCoordinate(QGeoCoordinate(random.between(-80, 80) + 0.25, random.between(-170, 170) + 0.5));
    const int tracks = random.between(2, 6);
    const int samples = random.between(4, 40);
    for (int t = 0; t < tracks; ++t) {
        std::vector<std::int16_t> track;
        for (int s = 0; s < samples; ++s)
            track.push_back(std::int16_t(random.between(-3000, 3000)));
        dataset->appendTrack(std::move(track));
    }
    if (!dataset->save())
        qFatal("dataset %s not saved", qPrintable(name));
    return dataset->id();
}

void moveTo(const QString& id, const QString& folder)
{
    for (const char* suffix : {".xml", ".png", ".s3d"})
        QFile::rename(DatasetStore().folder() + id + suffix, DatasetStore(folder).folder() + id + suffix);
}

namespace {
int probeIdOf(const QString& metadataPath)
{
    QFile file(metadataPath);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("probe id")).toInt(-1);
}

QString problemOf(const QString& id)
{
    const QString folder = documentsFolder();
    for (const char* suffix : {".s3d", ".png"})
        if (!QFile::exists(DatasetStore(folder).folder() + id + suffix))
            return QStringLiteral("no %1 file").arg(QLatin1String(suffix));
    const int probeId = probeIdOf(DatasetStore(folder).path(id, DatasetFile::Metadata));
    if (!isKnownProbe(probeId))
        return QStringLiteral("probe id %1 in the metadata").arg(probeId);
    std::unique_ptr<Dataset> dataset(createDatasetForProbe(probeId));
    if (!dataset->load(id))
        return QStringLiteral("does not load as probe %1").arg(probeId);
    return {};
}
} // namespace

QStringList broken()
{
    QStringList problems;
    for (const QString& file : QDir(documentsFolder()).entryList({QStringLiteral("*.xml")}, QDir::Files)) {
        const QString id = file.chopped(4);
        if (const QString problem = problemOf(id); !problem.isEmpty())
            problems << id + QStringLiteral(": ") + problem;
    }
    return problems;
}

} // namespace MonkeyDatasets
