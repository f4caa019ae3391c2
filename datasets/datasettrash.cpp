#include "datasets/datasettrash.h"

#include "app/appsettings.h"
#include "datasets/datasetfolder.h"

#include <QDir>
#include <QFile>

QString trashFolder()
{
    return documentsFolder() + QStringLiteral("Deleted datasets");
}

QString trashEntryFolder(const QString& id, const QDateTime& deletedAt)
{
    return trashFolder() + QLatin1Char('/')
           + deletedAt.toUTC().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz")) + QLatin1Char('_') + id;
}

bool moveDatasetToTrash(const QString& id, const QDateTime& deletedAt)
{
    if (!isPlainDatasetId(id))
        return false;
    const QString entry = trashEntryFolder(id, deletedAt);
    if (!QDir().mkpath(entry))
        return false;
    bool moved = true;
    for (const char* suffix : {".s3d", ".xml", ".png"}) {
        const QString source = datasetFilePath(id, QLatin1String(suffix));
        if (QFile::exists(source))
            moved = QFile::rename(source, entry + QLatin1Char('/') + id + QLatin1String(suffix)) && moved;
    }
    return moved;
}
