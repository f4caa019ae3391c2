#include "datasets/datasettrash.h"

#include "app/appsettings.h"
#include "datasets/datasetfolder.h"
#include "datasets/datasetidentifier.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>

namespace {
const QString entryTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz");
const char* const datasetSuffixes[] = {".s3d", ".xml", ".png"};
// A metadata file holds a few hundred bytes; a bigger one is not read for the listing.
constexpr qint64 metadataReadLimit = 1024 * 1024;

// The deletion time and identifier in an entry folder's name; an invalid time when the name
// is no entry's name.
std::pair<QDateTime, QString> parseEntryName(const QString& name)
{
    const int timeLength = entryTimeFormat.size();
    if (name.size() <= timeLength + 1 || name.at(timeLength) != QLatin1Char('_'))
        return {};
    QDateTime deletedAt = QDateTime::fromString(name.left(timeLength), entryTimeFormat);
    deletedAt.setTimeSpec(Qt::UTC);
    const QString id = name.mid(timeLength + 1);
    if (!deletedAt.isValid() || !isPlainDatasetId(id))
        return {};
    return {deletedAt, id};
}

QByteArray readMetadata(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > metadataReadLimit)
        return {};
    return file.readAll();
}

bool datasetExists(const QString& id)
{
    for (const char* suffix : datasetSuffixes)
        if (QFile::exists(datasetFilePath(id, QLatin1String(suffix))))
            return true;
    return false;
}

QString unusedIdentifier(const QString& wanted)
{
    QString id = wanted;
    while (datasetExists(id))
        id = newDatasetIdentifier();
    return id;
}
} // namespace

QString trashFolder()
{
    return documentsFolder() + QStringLiteral("Deleted datasets");
}

QString trashEntryFolder(const QString& id, const QDateTime& deletedAt)
{
    return trashFolder() + QLatin1Char('/') + deletedAt.toUTC().toString(entryTimeFormat) + QLatin1Char('_') + id;
}

bool moveDatasetToTrash(const QString& id, const QDateTime& deletedAt)
{
    if (!isPlainDatasetId(id))
        return false;
    const QString entry = trashEntryFolder(id, deletedAt);
    if (!QDir().mkpath(entry))
        return false;
    bool moved = true;
    for (const char* suffix : datasetSuffixes) {
        const QString source = datasetFilePath(id, QLatin1String(suffix));
        if (QFile::exists(source))
            moved = QFile::rename(source, entry + QLatin1Char('/') + id + QLatin1String(suffix)) && moved;
    }
    return moved;
}

std::vector<TrashEntry> listTrash()
{
    std::vector<TrashEntry> entries;
    const QStringList names = QDir(trashFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const auto [deletedAt, id] = parseEntryName(name);
        if (!deletedAt.isValid())
            continue;
        TrashEntry entry;
        entry.folder = trashFolder() + QLatin1Char('/') + name;
        entry.id = id;
        entry.deletedAt = deletedAt;
        const QString base = entry.folder + QLatin1Char('/') + id;
        entry.record = datasetRecordFromMetadata(id, readMetadata(base + QStringLiteral(".xml")));
        entry.previewPath = base + QStringLiteral(".png");
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TrashEntry& a, const TrashEntry& b) { return a.deletedAt > b.deletedAt; });
    return entries;
}

QString restoreFromTrash(const TrashEntry& entry)
{
    if (!isPlainDatasetId(entry.id) || !ensureDatasetFolder())
        return {};
    const QString id = unusedIdentifier(entry.id);
    std::vector<std::pair<QString, QString>> moved;
    for (const char* suffix : datasetSuffixes) {
        const QString source = entry.folder + QLatin1Char('/') + entry.id + QLatin1String(suffix);
        if (!QFile::exists(source))
            continue;
        const QString target = datasetFilePath(id, QLatin1String(suffix));
        if (!QFile::rename(source, target)) {
            // Half a dataset in the library would be worse than none: put everything back.
            for (const auto& [from, to] : moved)
                QFile::rename(to, from);
            return {};
        }
        moved.emplace_back(source, target);
    }
    if (moved.empty())
        return {};
    QDir(entry.folder).removeRecursively();
    libraryDirty = true;
    return id;
}

bool emptyTrash()
{
    return QDir(trashFolder()).removeRecursively();
}

int purgeTrash(const QDateTime& now, int keepDays)
{
    int removed = 0;
    for (const TrashEntry& entry : listTrash()) {
        if (entry.deletedAt.addDays(keepDays) < now && QDir(entry.folder).removeRecursively())
            ++removed;
    }
    return removed;
}
