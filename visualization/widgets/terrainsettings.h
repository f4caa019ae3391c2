#pragma once

#include "visualization/terrainoptions.h"

// The terrain options the settings hold now.
TerrainOptions terrainOptionsFromSettings();
