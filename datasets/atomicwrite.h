#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

// Writes a whole file through a temporary file that replaces the target only once complete,
// so a crash or a full disk never leaves a half-written file. On any failure the previous file
// stays as it was.
Outcome writeFileAtomically(const QString& path, const QByteArray& content,
                            QIODevice::OpenMode extraMode = QIODevice::NotOpen);
Outcome writeFileAtomically(const QString& path, const std::function<bool(QIODevice&)>& write);
