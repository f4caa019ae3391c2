#include "datasets/stagedstore.h"

#include "datasets/datasetfolder.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {
const QString stagedSuffix = QStringLiteral(".incoming");
const char* const suffixes[] = {".s3d", ".png", ".xml"}; // the metadata last

QString finalPath(const QString& folder, const QString& id, const char* suffix)
{
    return datasetFilePathIn(folder, id, QLatin1String(suffix));
}

QString stagedPath(const QString& folder, const QString& id, const char* suffix)
{
    return finalPath(folder, id, suffix) + stagedSuffix;
}

// rename(2) replaces the target in one step; QFile::rename refuses an existing target.
bool moveOver(const QString& from, const QString& to)
{
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool finishStaged(const QString& folder, const QString& id)
{
    for (const char* suffix : suffixes) {
        const QString staged = stagedPath(folder, id, suffix);
        // Already moved by an earlier, interrupted attempt.
        if (!QFile::exists(staged))
            continue;
        if (!moveOver(staged, finalPath(folder, id, suffix))) {
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
    if (QFile::exists(stagedPath(folder, id, ".xml")))
        finishStaged(folder, id);
    discard();
}

bool StagedDataset::stageValues(const QByteArray& content)
{
    return writeFileAtomically(stagedPath(folder, id, ".s3d"), content);
}

bool StagedDataset::stagePreview(const QByteArray& content)
{
    return writeFileAtomically(stagedPath(folder, id, ".png"), content);
}

bool StagedDataset::stageMetadata(const QByteArray& content)
{
    const QString values = stagedPath(folder, id, ".s3d");
    const QString preview = stagedPath(folder, id, ".png");
    if (!QFile::exists(values) || !QFile::exists(preview))
        return false;
    return writeFileAtomically(stagedPath(folder, id, ".xml"), content, QIODevice::Text);
}

bool StagedDataset::commit()
{
    return QFile::exists(stagedPath(folder, id, ".xml")) && finishStaged(folder, id);
}

void StagedDataset::discard()
{
    // The metadata first, so that a crash in between never leaves a decided, partial set.
    for (const char* suffix : {".xml", ".png", ".s3d"})
        QFile::remove(stagedPath(folder, id, suffix));
}

int completeInterruptedStores(const QString& folder)
{
    const QDir dir(folder);
    int finished = 0;
    const QString decided = QStringLiteral("*.xml") + stagedSuffix;
    for (const QString& name : dir.entryList({decided}, QDir::Files)) {
        const QString id = name.left(name.size() - int(qstrlen(".xml")) - stagedSuffix.size());
        if (isPlainDatasetId(id) && finishStaged(folder, id))
            ++finished;
    }
    const QStringList undecided = {QStringLiteral("*.s3d") + stagedSuffix,
                                   QStringLiteral("*.png") + stagedSuffix};
    for (const QString& name : dir.entryList(undecided, QDir::Files)) {
        // Kept while their metadata is staged: that replacement is decided but failed to move.
        const QString stem = name.left(name.size() - stagedSuffix.size() - int(qstrlen(".s3d")));
        if (!QFile::exists(dir.filePath(stem + QLatin1String(".xml") + stagedSuffix)))
            QFile::remove(dir.filePath(name));
    }
    if (finished > 0)
        qDebug() << "Finished" << finished << "interrupted dataset replacements";
    return finished;
}
