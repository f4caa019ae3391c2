#pragma once

#include <QSize>
#include <QString>
#include <functional>

// Shots of the 3D view of a stored field: value analysis in each colour map, wireframe,
// isoline, a turned and raised view, the view menu, and depth analysis.
void shootHeightField(const QString& out, const QString& name, const QSize& size,
                      const std::function<void(int ms)>& settle,
                      const std::function<void(const QString& path)>& saveScreen);
