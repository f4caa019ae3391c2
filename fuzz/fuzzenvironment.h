#pragma once

// What the file-reading fuzz targets share: a private documents folder (the program's dataset
// and settings folders live in it) and a silent debug log.
#include <QByteArray>
#include <QString>

namespace FuzzEnvironment {

// Points HOME at a fresh temporary folder on first use and returns the dataset folder in it,
// which exists afterwards.
const QString& datasetFolder();

// Writes `content` to `path`, replacing the file; aborts when that fails, since the target
// would then test nothing.
void writeFile(const QString& path, const QByteArray& content);

// The bytes before the first NUL and the bytes after it (empty when there is none).
QByteArray beforeFirstNul(const QByteArray& input);
QByteArray afterFirstNul(const QByteArray& input);

} // namespace FuzzEnvironment
