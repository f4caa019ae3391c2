#pragma once

#include <QSize>
#include <QString>
#include <functional>

// A shot of the dataset library with two more stored fields.
void shootLibrary(const QString& out, const QString& name, const QSize& size,
                  const std::function<void(int ms)>& settle,
                  const std::function<void(const QString& path)>& saveScreen);
