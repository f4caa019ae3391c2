#pragma once

#include <QSize>
#include <QString>
#include <functional>

// A shot of the trash dialog, after two of the stored datasets were deleted.
void shootDeletedDatasets(const QString& out, const QString& name, const QSize& size,
                          const std::function<void(int ms)>& settle,
                          const std::function<void(const QString& path)>& saveScreen);
