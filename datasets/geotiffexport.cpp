#include "datasets/geotiffexport.h"

#include "datasets/fieldplacement.h"
#include "datasets/gdalsession.h"

#include <QUuid>
#include <algorithm>
#include <cmath>
#include <gdal_priv.h>
#include <ogr_spatialref.h>
#include <vector>

NorthUpRaster northUpRaster(const SurveyGrid& grid, const FieldGeoreference& where)
{
    const double width = grid.columns * grid.dx;
    const double length = grid.rows * grid.dy;
    double west = INFINITY, east = -INFINITY, south = INFINITY, north = -INFINITY;
    for (const QPointF corner : {QPointF(0, 0), QPointF(width, 0), QPointF(0, length), QPointF(width, length)}) {
        const QPointF utm = where.toUtm(corner);
        west = std::min(west, utm.x());
        east = std::max(east, utm.x());
        south = std::min(south, utm.y());
        north = std::max(north, utm.y());
    }
    NorthUpRaster raster;
    raster.pixel = std::min(grid.dx, grid.dy);
    const double pixels = (east - west) * (north - south) / (raster.pixel * raster.pixel);
    if (pixels > largestGeoRaster)
        raster.pixel *= std::sqrt(pixels / largestGeoRaster);
    raster.west = std::floor(west / raster.pixel) * raster.pixel;
    raster.north = std::ceil(north / raster.pixel) * raster.pixel;
    raster.columns = std::max(1, int(std::ceil((east - raster.west) / raster.pixel)));
    raster.rows = std::max(1, int(std::ceil((raster.north - south) / raster.pixel)));
    return raster;
}

bool cellUnderPixel(const SurveyGrid& grid, const FieldGeoreference& where, const NorthUpRaster& raster,
                    int pixelColumn, int pixelRow, int& column, int& row)
{
    const QPointF centre(raster.west + (pixelColumn + 0.5) * raster.pixel,
                         raster.north - (pixelRow + 0.5) * raster.pixel);
    const QPointF plan = where.fromUtm(centre);
    const double across = plan.x() / grid.dx;
    const double fromTop = grid.rows - plan.y() / grid.dy;
    if (!(across >= 0 && across < grid.columns && fromTop >= 0 && fromTop < grid.rows))
        return false;
    column = int(across);
    row = int(fromTop);
    return true;
}

namespace {
// A GDAL dataset in memory that hands over its file's bytes once closed.
class MemoryTiff
{
public:
    MemoryTiff(const NorthUpRaster& raster, int bands, GDALDataType type, const FieldGeoreference& where)
        : path(QStringLiteral("/vsimem/sorvanel-%1.tif").arg(QUuid::createUuid().toString(QUuid::Id128)).toUtf8())
    {
        ensureGdal();
        GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
        if (!driver)
            return;
        char** options = nullptr;
        options = CSLSetNameValue(options, "COMPRESS", "DEFLATE");
        options = CSLSetNameValue(options, "TILED", "YES");
        if (bands == 4) {
            options = CSLSetNameValue(options, "PHOTOMETRIC", "RGB");
            options = CSLSetNameValue(options, "ALPHA", "YES");
        }
        dataset = driver->Create(path.constData(), raster.columns, raster.rows, bands, type, options);
        CSLDestroy(options);
        if (!dataset)
            return;
        double transform[6] = {raster.west, raster.pixel, 0, raster.north, 0, -raster.pixel};
        OGRSpatialReference utm;
        if (dataset->SetGeoTransform(transform) != CE_None || utm.importFromEPSG(where.epsg()) != OGRERR_NONE
            || dataset->SetSpatialRef(&utm) != CE_None)
            discard();
    }
    ~MemoryTiff()
    {
        discard();
        VSIUnlink(path.constData());
    }
    GDALDataset* operator->() const { return dataset; }
    explicit operator bool() const { return dataset != nullptr; }

    Result<QByteArray> bytes()
    {
        if (!dataset)
            return Failure{QStringLiteral("GDAL could not write the GeoTIFF"), {}};
        // Closing writes the file's last blocks and directory; GDAL reports trouble only as
        // its last error.
        CPLErrorReset();
        GDALClose(dataset);
        dataset = nullptr;
        if (CPLGetLastErrorType() >= CE_Failure)
            return Failure{QStringLiteral("GDAL could not write the GeoTIFF: ") + QString::fromUtf8(CPLGetLastErrorMsg()),
                           {}};
        vsi_l_offset length = 0;
        GByte* data = VSIGetMemFileBuffer(path.constData(), &length, TRUE);
        if (!data)
            return Failure{QStringLiteral("GDAL wrote no GeoTIFF"), {}};
        QByteArray file(reinterpret_cast<const char*>(data), int(length));
        CPLFree(data);
        return file;
    }

private:
    void discard()
    {
        if (dataset)
            GDALClose(dataset);
        dataset = nullptr;
    }
    QByteArray path;
    GDALDataset* dataset = nullptr;
};

// Strips of this many raster rows are filled and written at once, so memory stays small.
constexpr int stripRows = 256;

// Fills the raster strip by strip: strip.clear(rows) readies a strip of that many rows,
// strip.set(index, column, row) fills one pixel over the field from the grid's cell, and
// strip.write(top, rows) hands it to GDAL.
template <typename Strip>
bool writeStrips(const SurveyGrid& grid, const FieldGeoreference& where, const NorthUpRaster& raster, Strip& strip)
{
    for (int top = 0; top < raster.rows; top += stripRows) {
        const int rows = std::min(stripRows, raster.rows - top);
        strip.clear(rows);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < raster.columns; ++x) {
                int column = 0;
                int row = 0;
                if (cellUnderPixel(grid, where, raster, x, top + y, column, row))
                    strip.set(size_t(y) * size_t(raster.columns) + size_t(x), column, row);
            }
        if (!strip.write(top, rows))
            return false;
        // A strip completes a row of the file's 256-pixel tiles: compressed now, they leave
        // GDAL's cache, and a large raster never sits in memory whole.
        strip.flush();
    }
    return true;
}

struct ReadingStrip
{
    const SurveyGrid& grid;
    const NorthUpRaster& raster;
    GDALRasterBand* band;
    std::vector<float> values;

    void clear(int rows) { values.assign(size_t(rows) * size_t(raster.columns), float(esriNoData)); }
    void set(size_t index, int column, int row) { values[index] = grid.ground[size_t(column)][size_t(row)]; }
    bool write(int top, int rows)
    {
        return band->RasterIO(GF_Write, 0, top, raster.columns, rows, values.data(), raster.columns, rows,
                              GDT_Float32, 0, 0, nullptr)
               == CE_None;
    }
    void flush() { band->FlushCache(false); }
};

struct ColourStrip
{
    ColourStrip(const SurveyGrid& grid, const NorthUpRaster& raster, GDALDataset* dataset, ValueRange range,
                int colormap)
        : grid(grid), raster(raster), dataset(dataset)
    {
        // A cell covers many pixels: each cell's colour is worked out once.
        for (const auto& column : grid.ground)
            for (int16_t value : column)
                cellColours.push_back(colorFromValue(value, float(range.low), float(range.high), colormap));
    }
    const SurveyGrid& grid;
    const NorthUpRaster& raster;
    GDALDataset* dataset;
    std::vector<Rgb> cellColours;  // column after column
    std::vector<GByte> rgba;       // pixel-interleaved

    void clear(int rows) { rgba.assign(size_t(rows) * size_t(raster.columns) * 4, 0); }
    void set(size_t index, int column, int row)
    {
        const Rgb& colour = cellColours[size_t(column) * size_t(grid.rows) + size_t(row)];
        GByte* pixel = &rgba[index * 4];
        pixel[0] = colour.red;
        pixel[1] = colour.green;
        pixel[2] = colour.blue;
        pixel[3] = 255;
    }
    bool write(int top, int rows)
    {
        int bands[4] = {1, 2, 3, 4};
        return dataset->RasterIO(GF_Write, 0, top, raster.columns, rows, rgba.data(), raster.columns, rows,
                                 GDT_Byte, 4, bands, 4, GSpacing(4) * raster.columns, 1, nullptr)
               == CE_None;
    }
    void flush() { dataset->FlushCache(false); }
};

Failure writeFailure()
{
    return Failure{QStringLiteral("GDAL could not write the GeoTIFF"), {}};
}
} // namespace

Result<QByteArray> geoTiffOfReadings(const SurveyGrid& grid, const FieldGeoreference& where)
{
    const NorthUpRaster raster = northUpRaster(grid, where);
    MemoryTiff tiff(raster, 1, GDT_Float32, where);
    if (!tiff)
        return writeFailure();
    GDALRasterBand* band = tiff->GetRasterBand(1);
    band->SetNoDataValue(esriNoData);
    band->SetDescription("reading");
    ReadingStrip strip{grid, raster, band, {}};
    if (!writeStrips(grid, where, raster, strip))
        return writeFailure();
    return tiff.bytes();
}

Result<QByteArray> geoTiffOfColours(const SurveyGrid& grid, const FieldGeoreference& where, ValueRange range,
                                    int colormap)
{
    const NorthUpRaster raster = northUpRaster(grid, where);
    MemoryTiff tiff(raster, 4, GDT_Byte, where);
    if (!tiff)
        return writeFailure();
    ColourStrip strip(grid, raster, tiff.operator->(), range, colormap);
    if (!writeStrips(grid, where, raster, strip))
        return writeFailure();
    return tiff.bytes();
}
