#include "datasets/datasetrecord.h"

#include "datasets/datasetmetadata.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <cstring>

DatasetRecord datasetRecordFromMetadata(const QString& id, const QByteArray& metadata)
{
    return datasetRecordOf(id, parseMetadata(metadata).object());
}

DatasetRecord datasetRecordOf(const QString& id, const QJsonObject& object)
{
    const DatasetMetadata members = readMetadataMembers(object);
    DatasetRecord record;
    record.name = members.name;
    record.date = members.date;
    record.time = members.time;
    record.coordinate = members.coordinate;
    record.location = members.location;
    record.identifier = id;
    record.probeId = object.value(QStringLiteral("probe id")).toInt();
    record.bearing = members.bearing;
    return record;
}

bool newerFirst(const DatasetRecord& a, const DatasetRecord& b)
{
    if (a.date != b.date)
        return a.date > b.date;
    return a.time > b.time;
}

namespace {
bool latin1LowerBefore(const QString& a, const QString& b)
{
    const QByteArray left = a.toLower().toLatin1();
    const QByteArray right = b.toLower().toLatin1();
    const int common = qMin(left.size(), right.size());
    const int order = std::memcmp(left.constData(), right.constData(), size_t(common));
    return order < 0 || (order == 0 && left.size() < right.size());
}
} // namespace

bool nameOrder(const DatasetRecord& a, const DatasetRecord& b)
{
    return latin1LowerBefore(a.name, b.name);
}

bool locationOrder(const DatasetRecord& a, const DatasetRecord& b)
{
    return latin1LowerBefore(a.location, b.location);
}
