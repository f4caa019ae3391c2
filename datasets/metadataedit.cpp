#include "datasets/metadataedit.h"

#include "datasets/datasetfolder.h"
#include "datasets/datasetmetadata.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

bool storeEditedRecord(const DatasetRecord& record)
{
    if (!isPlainDatasetId(record.identifier))
        return false;
    const QString path = datasetFilePath(record.identifier, QStringLiteral(".xml"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = parseMetadata(file.readAll());
    file.close();
    // Writing a fresh object over an unparsable file would lose its other members.
    if (!document.isObject())
        return false;
    QJsonObject object = document.object();
    object.insert(QStringLiteral("name"), record.name);
    object.insert(QStringLiteral("location"), record.location);
    insertCoordinate(object, record.coordinate);
    return writeFileAtomically(path, QJsonDocument(object).toJson(QJsonDocument::Indented), QIODevice::Text);
}
