#pragma once

// Registers GDAL's drivers once per process, from whichever thread asks first.
void ensureGdal();
