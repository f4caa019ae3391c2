#pragma once

#include <QByteArray>
#include <QDate>
#include <QGeoCoordinate>
#include <QJsonObject>
#include <QString>
#include <QTime>
#include <optional>

// One entry of the dataset library, read from a dataset's metadata file.
struct DatasetRecord
{
    QString name;
    QDate date;
    QTime time;
    QGeoCoordinate coordinate;
    QString location;
    QString identifier;
    int probeId = 0;
    // Whole degrees clockwise from north of the first track; nothing when not known.
    std::optional<int> bearing;
};

// The record of dataset `id` from its metadata file's content. Content that is not a JSON
// object still gives a record: empty texts, invalid date and time, (0, 0) and probe id 0.
DatasetRecord datasetRecordFromMetadata(const QString& id, const QByteArray& metadata);
// The same from the metadata's JSON object.
DatasetRecord datasetRecordOf(const QString& id, const QJsonObject& object);

// The library's three orders. Each is a strict "comes before" for sorting.
// Newest first: the later date, on the same date the later time.
bool newerFirst(const DatasetRecord& a, const DatasetRecord& b);
// Names (locations) lower-cased and compared as Latin-1 bytes.
bool nameOrder(const DatasetRecord& a, const DatasetRecord& b);
bool locationOrder(const DatasetRecord& a, const DatasetRecord& b);
