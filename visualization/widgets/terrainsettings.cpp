#include "visualization/widgets/terrainsettings.h"

#include "app/settingskeys.h"

TerrainOptions terrainOptionsFromSettings()
{
    TerrainOptions options;
    options.trackMatching = Settings::trackMatchingFilter.read().toBool();
    options.valueQuantization = Settings::valueQuantization.read().toBool();
    options.delta = Settings::deltaFilter.read().toBool();
    options.outlier = Settings::outlierFilter.read().toBool();
    options.smoothing = Settings::smoothingFilter.read().toBool();
    options.destagger = Settings::destaggerFilter.read().toBool();
    options.despike = Settings::despikeFilter.read().toBool();
    options.contrastClip = Settings::contrastClip.read().toBool();
    options.wireframe = Settings::wireframe.read().toBool();
    options.colormap = Settings::colormap.read().toInt();
    options.colorQuantization = Settings::colorQuantization.read().toBool();
    return options;
}
