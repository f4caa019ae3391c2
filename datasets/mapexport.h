#pragma once

#include "app/result.h"
#include "datasets/gridcleaning.h"

#include <QByteArray>
#include <QString>

class Dataset;

// Exports that lay the survey on the map. They need the dataset's position (its start corner)
// and its bearing; the grid is the one every survey format writes, cleaned the same way.
enum class MapFormat {
    // The readings as a north-up float32 GeoTIFF in the field's UTM zone, for GIS software.
    GeoTiffReadings,
    // The same raster in the program's colours (RGBA), for looking at.
    GeoTiffColours,
    // A KMZ archive for Google Earth: ground overlay, legend and a placemark at the start.
    Kmz,
};

struct MapFormatInfo
{
    MapFormat format;
    const char* key;        // on the command line
    const char* extension;  // with its dot
    const char* title;      // for menus, translated in the context "SurveyFormat"
};

// One row per format, in menu order.
extern const MapFormatInfo mapFormats[3];

const MapFormatInfo& mapFormatInfo(MapFormat format);
// Null for a key no format has.
const MapFormatInfo* findMapFormat(const QString& key);

// The whole file in colour map `colormap`, or why the dataset cannot be placed (the failure's
// text tells the user what to add). The KMZ legend needs a QGuiApplication.
Result<QByteArray> mapFile(const Dataset& dataset, MapFormat format, int colormap,
                           const GridCleaning& cleaning = {});

// Writes the file to `path` in the colour map of the settings; nothing is written on failure.
Outcome writeMapExport(const Dataset& dataset, MapFormat format, const QString& path,
                       const GridCleaning& cleaning = {});

// Writes dataset `id` of `datasetFolder` into `targetFolder` as exportStoredDataset does for
// the grid formats. Gives the file written.
Result<QString> exportStoredDatasetToMap(const QString& datasetFolder, const QString& id, MapFormat format,
                                         const QString& targetFolder, const QString& name = {},
                                         const GridCleaning& cleaning = {});
