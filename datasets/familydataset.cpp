#include "datasets/familydataset.h"

#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/datasetfolder.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetpreview.h"
#include "datasets/groundposition.h"
#include "datasets/resampletrack.h"
#include "datasets/valuefile.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <algorithm>
#include <stdexcept>

namespace {
// Far beyond any field walked; a larger declared grid means a damaged or foreign file.
constexpr qint64 maximumStoredValues = qint64(1) << 26;
constexpr qint64 maximumStoredTracks = qint64(1) << 20;

bool plausibleGrid(int rows, int columns)
{
    // Rows alone are bounded too: a track of them is made even when no column is declared.
    return rows >= 0 && columns >= 0 && rows <= maximumStoredValues && columns <= maximumStoredTracks
           && qint64(rows) * qint64(columns) <= maximumStoredValues;
}

bool readMetadataObject(const QString& path, QJsonObject& object)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > maximumMetadataBytes)
        return false;
    QJsonParseError error{};
    const QJsonDocument document = parseMetadata(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    object = document.object();
    return true;
}
} // namespace

FamilyDataset::FamilyDataset(const ProbeFamily& family, std::unique_ptr<DatasetProperties> descriptorList)
    : familyTable(family)
    , descriptor(std::move(descriptorList))
    , definitions(propertyDefinitionsOf(family))
    , rowsIndex(indexOf(QStringLiteral("rows")))
    , columnsIndex(indexOf(QStringLiteral("columns")))
{
    content.identifier = newDatasetIdentifier();
    content.metadata.name = tr("Dataset");
    content.metadata.date = QDate::currentDate();
    content.metadata.time = QTime::currentTime();
    content.metadata.coordinate = currentPosition;
    for (const PropertyDefinition& definition : definitions)
        content.properties.push_back(definition.initial);
}

FamilyDataset::~FamilyDataset() = default;

int FamilyDataset::indexOf(const QString& key) const
{
    for (size_t i = 0; i < definitions.size(); ++i) {
        if (definitions[i].key == key)
            return int(i);
    }
    return -1;
}

QVariant FamilyDataset::getProperty(const QString& key) const
{
    const int index = indexOf(key);
    if (index < 0)
        throw std::runtime_error("Property retrieval failed");
    return content.properties[size_t(index)];
}

void FamilyDataset::assign(DatasetContent& target, const QString& key, const QVariant& value) const
{
    const int index = indexOf(key);
    if (index < 0) {
        if (familyTable.logsFailedSet)
            qDebug().noquote() << "Failed to set property " + key;
        throw std::runtime_error("setting Property failed");
    }
    const PropertyDefinition& definition = definitions[size_t(index)];
    if (definition.settable)
        target.properties[size_t(index)] = convertedTo(definition.type, value);
}

void FamilyDataset::setProperty(const QString& key, const QVariant& value)
{
    assign(content, key, value);
}

std::vector<int16_t> FamilyDataset::values() const
{
    // Exactly columns × rows, whatever the properties were set to, so that readers indexing
    // by "rows" and "columns" never run past the end.
    const size_t rows = size_t(std::max(intProperty(rowsIndex), 0));
    const size_t columns = size_t(std::max(intProperty(columnsIndex), 0));
    std::vector<int16_t> all(rows * columns, 0);
    for (size_t c = 0; c < columns && c < content.tracks.size(); ++c) {
        const auto& track = content.tracks[c];
        std::copy_n(track.begin(), std::min(rows, track.size()), all.begin() + std::ptrdiff_t(c * rows));
    }
    return all;
}

void FamilyDataset::appendTrack(std::vector<int16_t> track)
{
    const int columns = intProperty(columnsIndex);
    if (columns == 0)
        content.properties[size_t(rowsIndex)] = int(track.size());
    else
        track = resampleTrack(track, intProperty(rowsIndex));
    content.tracks.push_back(std::move(track));
    content.properties[size_t(columnsIndex)] = columns + 1;

    if (familyTable.fieldInput == FieldInput::Length) {
        const float trackWidth = getProperty(QStringLiteral("track width")).toFloat();
        content.properties[size_t(indexOf(QStringLiteral("width")))] = float(columns + 1) * trackWidth;
        content.metadata.coordinate = currentPosition;
    }
}

QString FamilyDataset::id() const { return content.identifier; }
QString FamilyDataset::name() const { return content.metadata.name; }
QDate FamilyDataset::date() const { return content.metadata.date; }
QTime FamilyDataset::time() const { return content.metadata.time; }
QString FamilyDataset::location() const { return content.metadata.location; }
QGeoCoordinate FamilyDataset::coordinate() const { return content.metadata.coordinate; }
void FamilyDataset::setTime(const QTime& time) { content.metadata.time = time; }
void FamilyDataset::setName(const QString& name) { content.metadata.name = name; }
void FamilyDataset::setDate(const QDate& date) { content.metadata.date = date; }
void FamilyDataset::setLocation(const QString& location) { content.metadata.location = location; }
void FamilyDataset::setCoordinate(const QGeoCoordinate& coordinate) { content.metadata.coordinate = coordinate; }

bool FamilyDataset::save()
{
    const FieldLayout layout = fieldLayoutOf(*this);
    if (layout.rows == 0 && layout.columns == 0)
        return false;
    if (!ensureDatasetFolder())
        return false;

    const QString& id = content.identifier;
    const std::vector<int16_t> all = values();

    // The value file first and the metadata last: the library lists datasets by their
    // metadata, so a dataset never shows up before its values are in place.
    if (!writeFileAtomically(datasetFilePath(id, QStringLiteral(".s3d")),
                             encodeValueFile(familyTable.header, all)))
        return false;

    QFile existingPreview(datasetFilePath(id, QStringLiteral(".png")));
    if (!existingPreview.open(QIODevice::ReadOnly)) {
        const QImage preview = datasetPreview(all, layout, Settings::colormap.read().toInt());
        if (!storeDatasetPreview(id, preview))
            return false;
    }

    QJsonObject object;
    writePropertyMembers(object, *this, descriptor->propertyList());
    writeMetadataMembers(object, content.metadata);
    return writeFileAtomically(datasetFilePath(id, QStringLiteral(".xml")),
                               QJsonDocument(object).toJson(QJsonDocument::Indented), QIODevice::Text);
}

bool FamilyDataset::load(const QString& id)
{
    return loadFrom(documentsFolder(), id);
}

bool FamilyDataset::loadFrom(const QString& folder, const QString& id)
{
    if (!isPlainDatasetId(id))
        return false;

    QFile valueFile(datasetFilePathIn(folder, id, QStringLiteral(".s3d")));
    if (!valueFile.open(QIODevice::ReadOnly))
        return false;
    const QByteArray expected(familyTable.header);
    const QByteArray header = valueFile.read(expected.size());
    qDebug().noquote().nospace() << "Open File: " << valueFile.fileName() << " Header: " << header;
    if (header != expected)
        return false;

    QJsonObject object;
    if (!readMetadataObject(datasetFilePathIn(folder, id, QStringLiteral(".xml")), object))
        return false;

    DatasetContent loaded = content;
    for (const PropertyEntry& entry : descriptor->propertyList()) {
        qDebug().noquote() << "Set: " + entry.key;
        assign(loaded, entry.key, object.value(entry.key).toVariant());
    }
    loaded.metadata = readMetadataMembers(object);
    loaded.identifier = id;

    const int rows = loaded.properties[size_t(rowsIndex)].toInt();
    const int columns = loaded.properties[size_t(columnsIndex)].toInt();
    if (!plausibleGrid(rows, columns))
        return false;
    // Every track is resampled to "rows" before it is stored, so the file holds exactly the
    // declared grid. Checked before the grid is made: a few bytes of metadata could otherwise
    // ask for hundreds of megabytes over a value file that holds a handful of values.
    const qint64 declaredBytes = 2 * qint64(rows) * columns;
    const qint64 storedBytes = valueFile.size() - valueFile.pos();
    if (storedBytes != declaredBytes) {
        qWarning().noquote() << "Value file holds" << storedBytes << "bytes of values, the metadata declares"
                             << declaredBytes;
        return false;
    }
    loaded.tracks = decodeTracks(valueFile.read(declaredBytes), rows, columns);

    content = std::move(loaded);
    return true;
}
