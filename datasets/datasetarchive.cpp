#include "datasets/datasetarchive.h"

#include "datasets/datasetfolder.h"

#include <JlCompress.h>
#include <QFile>

bool zipDatasetFiles(const QString& id, const QString& archivePath)
{
    if (!isPlainDatasetId(id))
        return false;
    const QStringList files = {datasetFilePath(id, QStringLiteral(".s3d")),
                               datasetFilePath(id, QStringLiteral(".xml")),
                               datasetFilePath(id, QStringLiteral(".png"))};
    if (JlCompress::compressFiles(archivePath, files))
        return true;
    // Leave no partial archive behind.
    QFile::remove(archivePath);
    return false;
}
