#pragma once

#include "app/colormap.h"

// What a terrain build is asked for; the screen reads them from the settings and passes them.
// The defaults are those of a first start.
struct TerrainOptions
{
    // The value-analysis filters ("visualization/2D/scalar/filter/...").
    bool trackMatching = true;
    bool valueQuantization = false;
    bool delta = false;
    bool outlier = false;
    bool smoothing = true;
    // Drawing and colouring.
    bool wireframe = false;
    int colormap = int(ColormapId::Jet);
    bool colorQuantization = false;
};
