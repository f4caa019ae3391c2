#pragma once

#include "app/colormap.h"
#include "app/result.h"
#include "datasets/surveyexport.h"

#include <QByteArray>

class FieldGeoreference;

// The north-up raster laid over a placed field in its UTM zone: square pixels of the grid's
// smaller cell side, aligned to multiples of it, covering the field's four corners.
struct NorthUpRaster
{
    double west = 0;   // easting of the left edge
    double north = 0;  // northing of the top edge
    double pixel = 0;  // metres
    int columns = 0;
    int rows = 0;
};

// At most this many pixels: a finer field gets larger pixels rather than a file no one opens.
constexpr double largestGeoRaster = 64e6;

NorthUpRaster northUpRaster(const SurveyGrid& grid, const FieldGeoreference& where);

// The grid cell (column, row from the grid's first row) under the raster pixel's centre, or
// false outside the field. Nearest neighbour: readings are not blended.
bool cellUnderPixel(const SurveyGrid& grid, const FieldGeoreference& where, const NorthUpRaster& raster,
                    int pixelColumn, int pixelRow, int& column, int& row);

// A GeoTIFF file of the grid in the field's UTM zone (WGS 84): the readings as 32-bit floats
// with NODATA esriNoData outside the field, or their colours in `range` as RGBA, transparent
// outside. Written by GDAL in memory.
Result<QByteArray> geoTiffOfReadings(const SurveyGrid& grid, const FieldGeoreference& where);
Result<QByteArray> geoTiffOfColours(const SurveyGrid& grid, const FieldGeoreference& where, ValueRange range,
                                    int colormap);
