#pragma once

#include "datasets/datasetproperties.h"

#include <QDate>
#include <QGeoCoordinate>
#include <QJsonDocument>
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

// Parses a metadata file's text. Bytes that are not UTF-8 read as U+FFFD: Qt's parser would
// silently empty the whole string that holds them.
QJsonDocument parseMetadata(const QByteArray& text, QJsonParseError* error = nullptr);

// Adds "name", "date" (dd.MM.yyyy), "time" (hh:mm:ss), "lon", "lat" and "location".
void writeMetadataMembers(QJsonObject& object, const DatasetMetadata& metadata);
// Sets "lat" and "lon" from a valid coordinate; an invalid one leaves both as they are.
void insertCoordinate(QJsonObject& object, const QGeoCoordinate& coordinate);
// Reads those members; missing ones give empty texts, invalid date and time, and 0 degrees.
DatasetMetadata readMetadataMembers(const QJsonObject& object);

// The listed properties of a dataset as JSON members: "int" as integers, "bool" as booleans,
// "float" widened to double. Logs "Get: <key> value: <value>" for each.
void writePropertyMembers(QJsonObject& object, const Dataset& dataset,
                          const QList<PropertyEntry>& properties);
