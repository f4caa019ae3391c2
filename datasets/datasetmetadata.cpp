#include "datasets/datasetmetadata.h"

#include "datasets/dataset.h"

#include <QDebug>
#include <QJsonValue>

namespace {
const QString dateFormat = QStringLiteral("dd.MM.yyyy");
const QString timeFormat = QStringLiteral("hh:mm:ss");
} // namespace

void writeMetadataMembers(QJsonObject& object, const DatasetMetadata& metadata)
{
    object.insert(QStringLiteral("name"), metadata.name);
    object.insert(QStringLiteral("date"), metadata.date.toString(dateFormat));
    object.insert(QStringLiteral("time"), metadata.time.toString(timeFormat));
    object.insert(QStringLiteral("lon"), metadata.coordinate.longitude());
    object.insert(QStringLiteral("lat"), metadata.coordinate.latitude());
    object.insert(QStringLiteral("location"), metadata.location);
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
