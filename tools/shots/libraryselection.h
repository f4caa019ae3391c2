#pragma once

#include <QSize>
#include <QString>
#include <functional>

// Shots of the dataset library with one tile selected (the action bar shown) and of the edit
// dialog opened from it.
void shootLibrarySelection(const QString& out, const QString& name, const QSize& size,
                           const std::function<void(int ms)>& settle,
                           const std::function<void(const QString& path)>& saveScreen);
