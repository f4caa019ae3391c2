#include "datasets/stagedstore.h"

#include "datasets/atomicwrite.h"
#include "datasets/datasetstore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
const QString stagedSuffix = QStringLiteral(".incoming");
constexpr DatasetFile values = DatasetFile::Values;
constexpr DatasetFile preview = DatasetFile::Preview;
constexpr DatasetFile metadata = DatasetFile::Metadata;
const DatasetFile filesInOrder[] = {values, preview, metadata}; // the metadata last

QString finalPath(const QString& folder, const QString& id, DatasetFile file)
{
    return DatasetStore(folder).path(id, file);
}

QString stagedPath(const QString& folder, const QString& id, DatasetFile file)
{
    return finalPath(folder, id, file) + stagedSuffix;
}

// rename(2) replaces the target in one step; QFile::rename refuses an existing target.
bool moveOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool finishStaged(const QString& folder, const QString& id)
{
    for (DatasetFile file : filesInOrder) {
        const QString staged = stagedPath(folder, id, file);
        // Already moved by an earlier, interrupted attempt.
        if (!QFile::exists(staged))
            continue;
        if (!moveOver(staged, finalPath(folder, id, file))) {
            qWarning().noquote() << "Cannot move" << staged << "into place";
            return false;
        }
    }
    return true;
}
} // namespace

StagedDataset::StagedDataset(const QString& folder, const QString& id)
    : folder(folder)
    , id(id)
{
    // An earlier replacement of this dataset that was decided but cut off is finished first;
    // leftovers of one that was not decided must not join this one.
    if (QFile::exists(stagedPath(folder, id, metadata)))
        finishStaged(folder, id);
    discard();
}

Outcome StagedDataset::stageValues(const QByteArray& content)
{
    return writeFileAtomically(stagedPath(folder, id, values), content);
}

Outcome StagedDataset::stagePreview(const QByteArray& content)
{
    return writeFileAtomically(stagedPath(folder, id, preview), content);
}

Outcome StagedDataset::stageMetadata(const QByteArray& content)
{
    if (!QFile::exists(stagedPath(folder, id, values)) || !QFile::exists(stagedPath(folder, id, preview)))
        return Failure{QStringLiteral("the values and the preview of %1 are not staged").arg(id), {}};
    return writeFileAtomically(stagedPath(folder, id, metadata), content, QIODevice::Text);
}

Outcome StagedDataset::commit()
{
    if (!QFile::exists(stagedPath(folder, id, metadata)))
        return Failure{QStringLiteral("the metadata of %1 is not staged").arg(id), {}};
    if (!finishStaged(folder, id))
        return Failure{QStringLiteral("cannot move the staged files of %1 into place").arg(id), {}};
    return {};
}

void StagedDataset::discard()
{
    // The metadata first, so that a crash in between never leaves a decided, partial set.
    for (DatasetFile file : {metadata, preview, values})
        QFile::remove(stagedPath(folder, id, file));
}

int DatasetStore::completeInterruptedStores() const
{
    const QDir dir(folder_);
    int finished = 0;
    const QString staged = suffix(metadata) + stagedSuffix;
    for (const QString& name : dir.entryList({QLatin1Char('*') + staged}, QDir::Files)) {
        const QString id = name.left(name.size() - staged.size());
        if (isPlainId(id) && finishStaged(folder_, id))
            ++finished;
    }
    const QStringList undecided = {QLatin1Char('*') + suffix(values) + stagedSuffix,
                                   QLatin1Char('*') + suffix(preview) + stagedSuffix};
    for (const QString& name : dir.entryList(undecided, QDir::Files)) {
        // Kept while their metadata is staged: that replacement is decided but failed to move.
        // The value and preview suffixes are equally long.
        const QString id = name.left(name.size() - stagedSuffix.size() - suffix(values).size());
        if (!QFile::exists(stagedPath(folder_, id, metadata)))
            QFile::remove(dir.filePath(name));
    }
    if (finished > 0)
        qDebug() << "Finished" << finished << "interrupted dataset replacements";
    return finished;
}
