#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Writes a whole file through a temporary file that replaces the target only once complete,
// so a crash or a full disk never leaves a half-written file. False on any failure, in
// which case the previous file stays as it was.
bool writeFileAtomically(const QString& path, const QByteArray& content,
                         QIODevice::OpenMode extraMode = QIODevice::NotOpen);
bool writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
