#pragma once

#include <QDateTime>
#include <QString>

// Deleting a dataset moves its three files into the trash folder inside the dataset folder,
// so a mistaken tap can be undone by hand. Every deletion gets its own sub-folder named
// after the deletion time (UTC) and the identifier, so old entries can be emptied later.
// The trash folder's name has no file suffix, so it never equals a dataset file's name.
QString trashFolder();
QString trashEntryFolder(const QString& id, const QDateTime& deletedAt);

// Moves ID.s3d, ID.xml and ID.png (those that exist) into a new trash entry. False when
// something could not be moved; the library does not report it.
bool moveDatasetToTrash(const QString& id, const QDateTime& deletedAt = QDateTime::currentDateTimeUtc());
