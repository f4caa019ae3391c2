#pragma once

#include <QSize>
#include <QString>
#include <functional>

// With SORVANEL_SHOTS_DATASETS naming a dataset folder (the demo's sample surveys), copies its
// datasets into the shots' own home and shoots the library and each of them in the 3D view.
void shootStoredDatasets(const QString& out, const QString& name, const QSize& size,
                         const std::function<void(int ms)>& settle,
                         const std::function<void(const QString& path)>& saveScreen);
