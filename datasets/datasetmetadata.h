#pragma once

#include "datasets/datasetproperties.h"

#include <QDate>
#include <QGeoCoordinate>
#include <QJsonObject>
#include <QString>
#include <QTime>

class Dataset;

// The descriptive members of a dataset's metadata file.
struct DatasetMetadata
{
    QString name;
    QDate date;
    QTime time;
    QString location;
    QGeoCoordinate coordinate;
};

// Adds "name", "date" (dd.MM.yyyy), "time" (hh:mm:ss), "lon", "lat" and "location".
void writeMetadataMembers(QJsonObject& object, const DatasetMetadata& metadata);
// Reads those members; missing ones give empty texts, invalid date and time, and 0 degrees.
DatasetMetadata readMetadataMembers(const QJsonObject& object);

// The listed properties of a dataset as JSON members: "int" as integers, "bool" as booleans,
// "float" widened to double. Logs "Get: <key> value: <value>" for each.
void writePropertyMembers(QJsonObject& object, const Dataset& dataset,
                          const QList<PropertyEntry>& properties);
