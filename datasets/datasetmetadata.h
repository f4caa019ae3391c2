#pragma once

#include "datasets/datasetproperties.h"

#include <QDate>
#include <QGeoCoordinate>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QTime>
#include <optional>

class Dataset;

// The descriptive members of a dataset's metadata file.
struct DatasetMetadata
{
    QString name;
    QDate date;
    QTime time;
    QString location;
    QGeoCoordinate coordinate;
    // "bearing": whole degrees clockwise from north in which the first track was walked.
    std::optional<int> bearing;
};

inline bool isBearing(int degrees) { return degrees >= 0 && degrees < 360; }


// Parses a metadata file's text. Bytes that are not UTF-8 read as U+FFFD: Qt's parser would
// silently empty the whole string that holds them.
QJsonDocument parseMetadata(const QByteArray& text, QJsonParseError* error = nullptr);

// Adds "name", "date" (dd.MM.yyyy), "time" (hh:mm:ss), "lon", "lat", "location" and, when
// known, "bearing".
void writeMetadataMembers(QJsonObject& object, const DatasetMetadata& metadata);
// Sets "lat" and "lon" from a valid coordinate; an invalid one leaves both as they are.
void insertCoordinate(QJsonObject& object, const QGeoCoordinate& coordinate);
// Sets "bearing", or removes it when the bearing is not known.
void insertBearing(QJsonObject& object, std::optional<int> bearing);
// Reads those members; missing ones give empty texts, invalid date and time, and 0 degrees.
// A "bearing" that is not a whole number from 0 to 359 is not known.
DatasetMetadata readMetadataMembers(const QJsonObject& object);

// The listed properties of a dataset as JSON members: "int" as integers, "bool" as booleans,
// "float" widened to double. Logs "Get: <key> value: <value>" for each.
void writePropertyMembers(QJsonObject& object, const Dataset& dataset,
                          const QList<PropertyEntry>& properties);
