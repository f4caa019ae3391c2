#include "datasets/datasetstore.h"

#include "app/appsettings.h"
#include "datasets/datasetidentifier.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>

namespace {
const QString entryTimeFormat = QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz");
const DatasetFile datasetFiles[] = {DatasetFile::Values, DatasetFile::Metadata, DatasetFile::Preview};

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
    if (!deletedAt.isValid() || !DatasetStore::isPlainId(id))
        return {};
    return {deletedAt, id};
}

bool datasetExists(const DatasetStore& store, const QString& id)
{
    for (DatasetFile file : datasetFiles)
        if (QFile::exists(store.path(id, file)))
            return true;
    return false;
}

QString unusedIdentifier(const DatasetStore& store, const QString& wanted)
{
    QString id = wanted;
    while (datasetExists(store, id))
        id = newDatasetIdentifier();
    return id;
}

Failure notMoved(const QString& what)
{
    return {what, {}};
}
} // namespace

QString DatasetStore::trashFolder() const
{
    return folder_ + QStringLiteral("Deleted datasets");
}

QString DatasetStore::trashEntryFolder(const QString& id, const QDateTime& deletedAt) const
{
    return trashFolder() + QLatin1Char('/') + deletedAt.toUTC().toString(entryTimeFormat) + QLatin1Char('_') + id;
}

Outcome DatasetStore::moveToTrash(const QString& id, const QDateTime& deletedAt) const
{
    if (!isPlainId(id))
        return notMoved(QStringLiteral("\"%1\" is no dataset identifier").arg(id));
    const QString entry = trashEntryFolder(id, deletedAt);
    if (!QDir().mkpath(entry))
        return notMoved(QStringLiteral("cannot make ") + entry);
    bool moved = true;
    bool anything = false;
    for (DatasetFile file : datasetFiles) {
        const QString source = path(id, file);
        if (QFile::exists(source)) {
            moved = QFile::rename(source, entry + QLatin1Char('/') + id + suffix(file)) && moved;
            anything = true;
        }
    }
    if (anything)
        libraryDirty = true;
    if (!moved)
        return notMoved(QStringLiteral("cannot move every file of %1 into %2").arg(id, entry));
    return {};
}

std::vector<TrashEntry> DatasetStore::trash() const
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
        const Result<QJsonObject> metadata = DatasetStore(entry.folder).readMetadata(id);
        entry.record = datasetRecordOf(id, metadata ? metadata.value() : QJsonObject());
        entry.previewPath = base + suffix(DatasetFile::Preview);
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TrashEntry& a, const TrashEntry& b) { return a.deletedAt > b.deletedAt; });
    return entries;
}

Result<QString> DatasetStore::restore(const TrashEntry& entry) const
{
    if (!isPlainId(entry.id) || !ensureFolder())
        return notMoved(QStringLiteral("cannot restore \"%1\" into %2").arg(entry.id, folder_));
    const QString id = unusedIdentifier(*this, entry.id);
    const DatasetStore source(entry.folder);
    std::vector<std::pair<QString, QString>> moved;
    for (DatasetFile file : datasetFiles) {
        const QString from = source.path(entry.id, file);
        if (!QFile::exists(from))
            continue;
        const QString to = path(id, file);
        if (!QFile::rename(from, to)) {
            // Half a dataset in the library would be worse than none: put everything back.
            for (const auto& [back, there] : moved)
                QFile::rename(there, back);
            return notMoved(QStringLiteral("cannot move %1 to %2").arg(from, to));
        }
        moved.emplace_back(from, to);
    }
    if (moved.empty())
        return notMoved(entry.folder + QStringLiteral(" holds no file of ") + entry.id);
    QDir(entry.folder).removeRecursively();
    libraryDirty = true;
    return id;
}

Outcome DatasetStore::emptyTrash() const
{
    if (!QDir(trashFolder()).removeRecursively())
        return notMoved(QStringLiteral("cannot remove ") + trashFolder());
    return {};
}

int DatasetStore::purgeTrash(const QDateTime& now, int keepDays) const
{
    int removed = 0;
    for (const TrashEntry& entry : trash()) {
        if (entry.deletedAt.addDays(keepDays) < now && QDir(entry.folder).removeRecursively())
            ++removed;
    }
    return removed;
}
