#include "datasets/familydataset.h"

#include "app/appsettings.h"
#include "datasets/datasetidentifier.h"
#include "datasets/datasetstore.h"
#include "datasets/resampletrack.h"

#include <QDebug>
#include <algorithm>
#include <stdexcept>

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
    if (const std::optional<QVariant> value = findProperty(key))
        return *value;
    throw std::runtime_error("Property retrieval failed");
}

std::optional<QVariant> FamilyDataset::findProperty(const QString& key) const
{
    const int index = indexOf(key);
    if (index < 0)
        return std::nullopt;
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

void FamilyDataset::setIdentifier(const QString& id)
{
    if (isDatasetIdentifier(id))
        content.identifier = id;
}

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
std::optional<int> FamilyDataset::bearing() const { return content.metadata.bearing; }
void FamilyDataset::setBearing(std::optional<int> degrees)
{
    content.metadata.bearing = degrees && isBearing(*degrees) ? degrees : std::nullopt;
}

Outcome FamilyDataset::save(int previewColormap)
{
    return DatasetStore().save(*this, previewColormap);
}

Outcome FamilyDataset::load(const QString& id)
{
    return DatasetStore().load(*this, id);
}

DatasetContent FamilyDataset::contentFromMetadata(const QString& id, const QJsonObject& object) const
{
    DatasetContent loaded = content;
    for (const PropertyEntry& entry : descriptor->propertyList()) {
        qDebug().noquote() << "Set: " + entry.key;
        assign(loaded, entry.key, object.value(entry.key).toVariant());
    }
    loaded.metadata = readMetadataMembers(object);
    loaded.identifier = id;
    loaded.tracks.clear();
    return loaded;
}
