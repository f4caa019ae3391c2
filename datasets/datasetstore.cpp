#include "datasets/datasetstore.h"

#include "app/appsettings.h"
#include "datasets/atomicwrite.h"
#include "datasets/datasetmetadata.h"
#include "datasets/datasetpreview.h"
#include "datasets/familyclasses.h"
#include "datasets/groundposition.h"
#include "datasets/valuefile.h"

#include <JlCompress.h>
#include <QBuffer>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace {
// A metadata file holds a few hundred bytes of JSON; anything beyond this is damaged.
constexpr qint64 maximumMetadataBytes = 16 * 1024 * 1024;
// Far beyond any field walked; a larger declared grid means a damaged or foreign file.
constexpr qint64 maximumStoredValues = qint64(1) << 26;
constexpr qint64 maximumStoredTracks = qint64(1) << 20;

bool plausibleGrid(int rows, int columns)
{
    // Rows alone are bounded too: a track of them is made even when no column is declared.
    return rows >= 0 && columns >= 0 && rows <= maximumStoredValues && columns <= maximumStoredTracks
           && qint64(rows) * qint64(columns) <= maximumStoredValues;
}

QString translated(const char* text)
{
    return QCoreApplication::translate("Dataset", text);
}

} // namespace

Failure DatasetStore::valuesFailure(const QString& reason)
{
    return {reason, translated(QT_TRANSLATE_NOOP("Dataset", "The dataset's value file is missing or damaged."))};
}

Failure DatasetStore::metadataFailure(const QString& reason)
{
    return {reason, translated(QT_TRANSLATE_NOOP("Dataset", "The dataset's metadata file is missing or damaged."))};
}

QString datasetLoadFailureTitle()
{
    return translated(QT_TRANSLATE_NOOP("Dataset", "Error Loading File"));
}

DatasetStore::DatasetStore()
    : DatasetStore(documentsFolder())
{
}

DatasetStore::DatasetStore(const QString& folder)
    : folder_(folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/'))
{
}

QLatin1String DatasetStore::suffix(DatasetFile file)
{
    switch (file) {
    case DatasetFile::Values:
        return QLatin1String(".s3d");
    case DatasetFile::Metadata:
        return QLatin1String(".xml");
    case DatasetFile::Preview:
        break;
    }
    return QLatin1String(".png");
}

QString DatasetStore::path(const QString& id, DatasetFile file) const
{
    return folder_ + id + suffix(file);
}

bool DatasetStore::isPlainId(const QString& id)
{
    return !id.isEmpty() && !id.contains(QLatin1Char('/')) && !id.contains(QLatin1Char('\\'))
           && id != QLatin1String(".") && id != QLatin1String("..");
}

bool DatasetStore::ensureFolder() const
{
    return QDir().mkpath(folder_);
}

Result<QJsonObject> DatasetStore::readMetadata(const QString& id) const
{
    if (!isPlainId(id))
        return metadataFailure(QStringLiteral("\"%1\" is no dataset identifier").arg(id));
    QFile file(path(id, DatasetFile::Metadata));
    if (!file.open(QIODevice::ReadOnly))
        return metadataFailure(QStringLiteral("cannot read ") + file.fileName());
    if (file.size() > maximumMetadataBytes)
        return metadataFailure(QStringLiteral("%1 holds %2 bytes").arg(file.fileName()).arg(file.size()));
    QJsonParseError error{};
    const QJsonDocument document = parseMetadata(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        return metadataFailure(file.fileName() + QStringLiteral(": ") + error.errorString());
    if (!document.isObject())
        return metadataFailure(file.fileName() + QStringLiteral(" holds no JSON object"));
    return document.object();
}

Result<int> DatasetStore::probeId(const QString& id) const
{
    const Result<QJsonObject> metadata = readMetadata(id);
    if (!metadata)
        return metadata.failure();
    const int probe = metadata->value(QStringLiteral("probe id")).toInt();
    if (!findProbeFamily(probe))
        return Failure{QStringLiteral("%1: probe id %2 names no known probe").arg(path(id, DatasetFile::Metadata)).arg(probe),
                       translated(QT_TRANSLATE_NOOP("Dataset", "The dataset's metadata names no known probe."))};
    return probe;
}

Outcome DatasetStore::load(FamilyDataset& dataset, const QString& id) const
{
    if (!isPlainId(id))
        return valuesFailure(QStringLiteral("\"%1\" is no dataset identifier").arg(id));
    QFile valueFile(path(id, DatasetFile::Values));
    if (!valueFile.open(QIODevice::ReadOnly))
        return valuesFailure(QStringLiteral("cannot read ") + valueFile.fileName());
    const QByteArray expected(dataset.family().header);
    const QByteArray header = valueFile.read(expected.size());
    qDebug().noquote().nospace() << "Open File: " << valueFile.fileName() << " Header: " << header;
    if (header != expected)
        return Failure{valueFile.fileName() + QStringLiteral(" is not a file of ") + QLatin1String(dataset.family().displayName),
                       translated(QT_TRANSLATE_NOOP("Dataset", "Wrong data type"))};

    const Result<QJsonObject> metadata = readMetadata(id);
    if (!metadata)
        return metadata.failure();
    DatasetContent loaded = dataset.contentFromMetadata(id, metadata.value());
    const int rows = dataset.declaredRows(loaded);
    const int columns = dataset.declaredColumns(loaded);
    if (!plausibleGrid(rows, columns))
        return metadataFailure(QStringLiteral("the metadata declares a grid of %1 x %2").arg(columns).arg(rows));
    // Every track is resampled to "rows" before it is stored, so the file holds exactly the
    // declared grid. Checked before the grid is made: a few bytes of metadata could otherwise
    // ask for hundreds of megabytes over a value file that holds a handful of values.
    const qint64 declaredBytes = 2 * qint64(rows) * columns;
    const qint64 storedBytes = valueFile.size() - valueFile.pos();
    if (storedBytes != declaredBytes) {
        qWarning().noquote() << "Value file holds" << storedBytes << "bytes of values, the metadata declares"
                             << declaredBytes;
        return valuesFailure(QStringLiteral("%1 holds %2 bytes of values, the metadata declares %3")
                                 .arg(valueFile.fileName()).arg(storedBytes).arg(declaredBytes));
    }
    loaded.tracks = decodeTracks(valueFile.read(declaredBytes), rows, columns);
    dataset.replaceContent(std::move(loaded));
    return {};
}

Result<std::unique_ptr<FamilyDataset>> DatasetStore::open(const QString& id) const
{
    const Result<int> probe = probeId(id);
    if (!probe)
        return probe.failure();
    std::unique_ptr<FamilyDataset> dataset = newFamilyDataset(probe.value());
    if (const Outcome loaded = load(*dataset, id); !loaded)
        return loaded.failure();
    return dataset;
}

Outcome DatasetStore::save(const FamilyDataset& dataset, int previewColormap) const
{
    const FieldLayout layout = fieldLayoutOf(dataset);
    if (layout.rows == 0 && layout.columns == 0)
        return Failure{QStringLiteral("an empty dataset is not stored"), {}};
    if (!ensureFolder())
        return Failure{QStringLiteral("cannot make the folder ") + folder_, {}};

    const QString id = dataset.id();
    const std::vector<int16_t> all = dataset.values();
    // The value file first and the metadata last: the library lists datasets by their
    // metadata, so a dataset never shows up before its values are in place.
    if (Outcome written = writeFileAtomically(path(id, DatasetFile::Values), encodeValueFile(dataset.family().header, all));
        !written)
        return written;
    QFile existingPreview(path(id, DatasetFile::Preview));
    if (!existingPreview.open(QIODevice::ReadOnly)) {
        if (Outcome stored = storePreview(id, datasetPreview(all, layout, previewColormap)); !stored)
            return stored;
    }
    QJsonObject object;
    writePropertyMembers(object, dataset, dataset.properties().propertyList());
    writeMetadataMembers(object, dataset.metadata());
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    if (Outcome written = writeFileAtomically(path(id, DatasetFile::Metadata), text, QIODevice::Text); !written)
        return written;
    libraryDirty = true;
    return {};
}

Outcome DatasetStore::storePreview(const QString& id, const QImage& preview) const
{
    // Encoded in memory first: Qt's PNG writer leaks its buffer when the file write fails
    // (a full disk), and the file then gets one checked write.
    QByteArray png;
    QBuffer buffer(&png);
    if (!isPlainId(id) || !buffer.open(QIODevice::WriteOnly) || !preview.save(&buffer, "PNG"))
        return Failure{QStringLiteral("cannot encode the preview of ") + id, {}};
    if (Outcome written = writeFileAtomically(path(id, DatasetFile::Preview), png); !written)
        return written;
    libraryDirty = true;
    return {};
}

Outcome DatasetStore::storeEdit(const DatasetRecord& record) const
{
    Result<QJsonObject> metadata = readMetadata(record.identifier);
    // Writing a fresh object over an unparsable file would lose its other members.
    if (!metadata)
        return metadata.failure();
    QJsonObject& object = metadata.value();
    object.insert(QStringLiteral("name"), record.name);
    object.insert(QStringLiteral("location"), record.location);
    insertCoordinate(object, record.coordinate);
    insertBearing(object, record.bearing);
    const QString target = path(record.identifier, DatasetFile::Metadata);
    if (Outcome written = writeFileAtomically(target, QJsonDocument(object).toJson(QJsonDocument::Indented),
                                              QIODevice::Text);
        !written)
        return written;
    libraryDirty = true;
    return {};
}

Outcome DatasetStore::zip(const QString& id, const QString& archivePath) const
{
    if (!isPlainId(id))
        return Failure{QStringLiteral("\"%1\" is no dataset identifier").arg(id), {}};
    const QStringList files = {path(id, DatasetFile::Values), path(id, DatasetFile::Metadata),
                               path(id, DatasetFile::Preview)};
    if (JlCompress::compressFiles(archivePath, files))
        return {};
    // Leave no partial archive behind.
    QFile::remove(archivePath);
    return Failure{QStringLiteral("cannot pack %1 into %2").arg(id, archivePath), {}};
}
