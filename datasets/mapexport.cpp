#include "datasets/mapexport.h"

#include "acquisition/probefamily.h"
#include "app/settingskeys.h"
#include "datasets/atomicwrite.h"
#include "datasets/dataset.h"
#include "datasets/fieldpicture.h"
#include "datasets/fieldplacement.h"
#include "datasets/geotiffexport.h"
#include "datasets/groundposition.h"
#include "datasets/kmzexport.h"
#include "datasets/surveyexport.h"
#include "datasets/surveyexportjob.h"

#include <QCoreApplication>
#include <algorithm>

const MapFormatInfo mapFormats[3] = {
    {MapFormat::GeoTiffReadings, "geotiff", ".tif", QT_TRANSLATE_NOOP("SurveyFormat", "GeoTIFF, readings (UTM)")},
    {MapFormat::GeoTiffColours, "geotiff-rgba", ".rgba.tif", QT_TRANSLATE_NOOP("SurveyFormat", "GeoTIFF, colours (UTM)")},
    {MapFormat::Kmz, "kmz", ".kmz", QT_TRANSLATE_NOOP("SurveyFormat", "KMZ for Google Earth")},
};

const MapFormatInfo& mapFormatInfo(MapFormat format)
{
    return *std::find_if(std::begin(mapFormats), std::end(mapFormats),
                         [format](const MapFormatInfo& info) { return info.format == format; });
}

const MapFormatInfo* findMapFormat(const QString& key)
{
    for (const MapFormatInfo& info : mapFormats)
        if (key == QLatin1String(info.key))
            return &info;
    return nullptr;
}

namespace {
// The survey grid lays a zig-zag field started in the last column with an even number of
// tracks as the 3D view draws it, each track turned end for end. On the map every reading
// must lie where it was taken, so those tracks are turned back.
void layAsWalked(SurveyGrid& grid, const FieldLayout& layout)
{
    for (int column = 0; column < grid.columns; ++column) {
        const int track = columnOfTrack(layout, column);
        if (runsFromLastRow(layout.startIndex, layout.parallel, track)
            != runsFromLastRow(layout.startIndex, layout.parallel, column))
            std::reverse(grid.ground[size_t(column)].begin(), grid.ground[size_t(column)].end());
    }
}

KmzCaption captionOf(const Dataset& dataset)
{
    KmzCaption caption;
    caption.name = dataset.name();
    caption.date = dataset.date();
    caption.time = dataset.time();
    caption.location = dataset.location();
    if (const ProbeFamily* family = findProbeFamily(dataset.getProperty(QStringLiteral("probe id")).toInt()))
        caption.probe = QLatin1String(family->displayName);
    return caption;
}
} // namespace

Result<QByteArray> mapFile(const Dataset& dataset, MapFormat format, int colormap, const GridCleaning& cleaning)
{
    SurveyGrid grid = surveyGrid(dataset, cleaning);
    if (grid.fit(SurveyFormat::EsriAscii) != SurveyGridFit::Fits)
        return Failure{QStringLiteral("the dataset holds no values"),
                       QCoreApplication::translate("FieldPlacement", "The dataset holds no values.")};
    layAsWalked(grid, fieldLayoutOf(dataset));
    const Result<FieldPlacement> placement = fieldPlacementOf(dataset);
    if (!placement)
        return placement.failure();
    const Result<FieldGeoreference> where = FieldGeoreference::of(placement.value());
    if (!where)
        return where.failure();
    switch (format) {
    case MapFormat::GeoTiffReadings:
        return geoTiffOfReadings(grid, where.value());
    case MapFormat::GeoTiffColours:
        return geoTiffOfColours(grid, where.value(), pictureRange(grid), colormap);
    case MapFormat::Kmz:
        return kmzFile(grid, where.value(), captionOf(dataset), pictureRange(grid), colormap);
    }
    return Failure{QStringLiteral("unknown map format"), {}};
}

Outcome writeMapExport(const Dataset& dataset, MapFormat format, const QString& path, const GridCleaning& cleaning)
{
    const Result<QByteArray> file = mapFile(dataset, format, Settings::colormap.read().toInt(), cleaning);
    if (!file)
        return file.failure();
    return writeFileAtomically(path, file.value());
}

Result<QString> exportStoredDatasetToMap(const QString& datasetFolder, const QString& id, MapFormat format,
                                         const QString& targetFolder, const QString& name,
                                         const GridCleaning& cleaning)
{
    return exportStored(datasetFolder, id, QLatin1String(mapFormatInfo(format).extension), targetFolder, name,
                        [&](const Dataset& dataset, const QString& path) {
                            return writeMapExport(dataset, format, path, cleaning);
                        });
}
