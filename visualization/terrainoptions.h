#pragma once

#include "app/colormap.h"

#include <optional>

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
    // Survey cleaning before those filters. Destagger only acts on a zig-zag walk, with the
    // shift set by hand or else the one estimated from the field.
    bool destagger = false;
    std::optional<int> staggerShift;
    bool despike = false;
    // The colour range from the 2nd to the 98th percentile of the drawn readings.
    bool contrastClip = false;
    // Drawing and colouring.
    bool wireframe = false;
    int colormap = int(ColormapId::Jet);
    bool colorQuantization = false;
};
