#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Where a dataset's files live: documentsFolder() + id + suffix (".s3d", ".xml", ".png").
QString datasetFilePath(const QString& id, const QString& suffix);
// The same in another folder that holds datasets (a copy of the dataset folder, for one).
QString datasetFilePathIn(const QString& folder, const QString& id, const QString& suffix);

// A metadata file holds a few hundred bytes of JSON; anything beyond this is damaged.
constexpr qint64 maximumMetadataBytes = 16 * 1024 * 1024;

// Makes sure the dataset folder exists; false when it cannot be created.
bool ensureDatasetFolder();

// An identifier that names a file in the dataset folder and nothing outside it.
bool isPlainDatasetId(const QString& id);

// Writes a whole file through a temporary file that replaces the target only once complete,
// so a crash or a full disk never leaves a half-written file. False on any failure, in
// which case the previous file stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& content,
                         QIODevice::OpenMode extraMode = QIODevice::NotOpen);
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
