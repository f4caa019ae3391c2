#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>

// Used by DatasetStore::storeReceived and completeInterruptedStores.
// Replacing a dataset means replacing three files, and no file system renames three at once.
// So the new files are first staged whole beside the old ones under ".incoming" names, the
// metadata last. Once the staged metadata exists the replacement is decided: the renames that
// follow are repeated by completeInterruptedStores() after a crash, and staged files without
// their metadata are thrown away. Either way the folder ends with the old dataset or the new
// one, never with the values of one and the metadata of the other.
class StagedDataset
{
public:
    StagedDataset(const QString& folder, const QString& id);

    // On any failure the dataset's current files stay as they are.
    Outcome stageValues(const QByteArray& content);
    Outcome stagePreview(const QByteArray& content);
    // Decides the replacement: call after the values and the preview.
    Outcome stageMetadata(const QByteArray& content);

    // Moves the staged files over the current ones, the metadata last.
    Outcome commit();
    // Removes whatever was staged (a failed store).
    void discard();

private:
    QString folder;
    QString id;
};
