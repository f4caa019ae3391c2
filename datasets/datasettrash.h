#pragma once

#include "datasets/datasetrecord.h"

#include <QDateTime>
#include <QString>
#include <vector>

// Deleting a dataset moves its three files into the trash folder inside the dataset folder,
// so a mistaken tap can be undone by hand. Every deletion gets its own sub-folder named
// after the deletion time (UTC) and the identifier, so old entries can be emptied later.
// The trash folder's name has no file suffix, so it never equals a dataset file's name.
QString trashFolder();
QString trashEntryFolder(const QString& id, const QDateTime& deletedAt);

// Moves ID.s3d, ID.xml and ID.png (those that exist) into a new trash entry. False when
// something could not be moved; the library does not report it.
bool moveDatasetToTrash(const QString& id, const QDateTime& deletedAt = QDateTime::currentDateTimeUtc());

// One deletion waiting in the trash.
struct TrashEntry
{
    QString folder;       // the entry's sub-folder of trashFolder()
    QString id;           // the identifier the dataset had when it was deleted
    QDateTime deletedAt;  // UTC, from the folder's name
    DatasetRecord record; // from the metadata file in the entry (empty members when missing)
    QString previewPath;  // the preview in the entry; the file may be missing
};

// The entries in the trash, most recently deleted first. Sub-folders whose name is not an
// entry's name are not listed (and never emptied by the age rule).
std::vector<TrashEntry> listTrash();

// Moves the entry's files back into the dataset folder and removes the entry. The dataset gets
// its old identifier back, or a new one when a dataset with that identifier exists again, so
// both are kept; the identifier is only the files' base name, so renaming the files is all
// it takes. Returns the identifier it is stored under, empty when it could not be restored
// (then nothing has moved). A restore changes the stored datasets: sets libraryDirty.
QString restoreFromTrash(const TrashEntry& entry);

// Deletes every entry for good. False when something could not be removed.
bool emptyTrash();

// Deletes the entries deleted more than `keepDays` days before `now`; returns how many.
int purgeTrash(const QDateTime& now, int keepDays = 30);
