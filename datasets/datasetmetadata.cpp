#include "datasets/datasetmetadata.h"

#include "datasets/dataset.h"

#include <QDebug>
#include <QJsonValue>
#include <cmath>

namespace {
const QString dateFormat = QStringLiteral("dd.MM.yyyy");
const QString timeFormat = QStringLiteral("hh:mm:ss");
} // namespace

QJsonDocument parseMetadata(const QByteArray& text, QJsonParseError* error)
{
    const QString decoded = QString::fromUtf8(text);
    if (decoded.contains(QChar::ReplacementCharacter))
        return QJsonDocument::fromJson(decoded.toUtf8(), error);
    return QJsonDocument::fromJson(text, error);
}

void writeMetadataMembers(QJsonObject& object, const DatasetMetadata& metadata)
{
    object.insert(QStringLiteral("name"), metadata.name);
    object.insert(QStringLiteral("date"), metadata.date.toString(dateFormat));
    object.insert(QStringLiteral("time"), metadata.time.toString(timeFormat));
    insertCoordinate(object, metadata.coordinate);
    object.insert(QStringLiteral("location"), metadata.location);
    insertBearing(object, metadata.bearing);
}

void insertBearing(QJsonObject& object, std::optional<int> bearing)
{
    if (bearing && isBearing(*bearing))
        object.insert(QStringLiteral("bearing"), *bearing);
    else
        object.remove(QStringLiteral("bearing"));
}

void insertCoordinate(QJsonObject& object, const QGeoCoordinate& coordinate)
{
    // An invalid coordinate holds NaN, which JSON can only write as null.
    if (!coordinate.isValid())
        return;
    object.insert(QStringLiteral("lon"), coordinate.longitude());
    object.insert(QStringLiteral("lat"), coordinate.latitude());
}

DatasetMetadata readMetadataMembers(const QJsonObject& object)
{
    DatasetMetadata metadata;
    metadata.name = object.value(QStringLiteral("name")).toString();
    metadata.date = QDate::fromString(object.value(QStringLiteral("date")).toString(), dateFormat);
    metadata.time = QTime::fromString(object.value(QStringLiteral("time")).toString(), timeFormat);
    metadata.location = object.value(QStringLiteral("location")).toString();
    metadata.coordinate = QGeoCoordinate(object.value(QStringLiteral("lat")).toDouble(),
                                         object.value(QStringLiteral("lon")).toDouble());
    const double bearing = object.value(QStringLiteral("bearing")).toDouble(-1);
    if (bearing >= 0 && bearing < 360 && bearing == std::floor(bearing))
        metadata.bearing = int(bearing);
    return metadata;
}

void writePropertyMembers(QJsonObject& object, const Dataset& dataset,
                          const QList<PropertyEntry>& properties)
{
    for (const PropertyEntry& entry : properties) {
        const QVariant value = dataset.getProperty(entry.key);
        qDebug().noquote().nospace() << "Get: " << entry.key << " value: " << value.toString();
        if (entry.type == QLatin1String("int"))
            object.insert(entry.key, value.toInt());
        else if (entry.type == QLatin1String("bool"))
            object.insert(entry.key, value.toBool());
        else
            object.insert(entry.key, double(value.toFloat()));
    }
}
