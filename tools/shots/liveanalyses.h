#pragma once

#include <QSize>
#include <QString>
#include <functional>

// Shots of the frequency analysis (Brol Sensor walk on the running simulator) and the gradient
// analysis (a Z-Series simulator of its own, the probe's trigger driving the walk).
void shootLiveAnalyses(const QString& out, const QString& name, const QSize& size,
                       const std::function<void(int ms)>& settle,
                       const std::function<void(const QString& path)>& saveScreen);
