#pragma once

#include "datasets/gridcleaning.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdint>
#include <vector>

class Dataset;

// Grid formats that survey and GIS software read. All of them hold the same points as the VTK
// export, the column-parity grid of the 3D view, seen from above as the 3D view shows it: x
// runs across the tracks, the first row of the walk lies at the largest y. Coordinates are in
// the field's units: the cell of column c and row r spans width/columns by length/rows and
// its value stands at the cell's centre, so the grid covers 0..width by 0..length exactly.
// Numbers always have a dot as decimal separator, whatever the locale.
enum class SurveyFormat {
    // "x,y,value" after a header line, one line per point, from the lowest y up, x fastest.
    Xyz,
    // Surfer 6 text grid (DSAA): size, x, y and value ranges, rows from the lowest y up.
    SurferText,
    // ESRI ASCII grid: header with cellsize (dx and dy where cells are not square) and a
    // NODATA_value that no reading can take, rows from the top (largest y) down.
    EsriAscii,
};

struct SurveyFormatInfo
{
    SurveyFormat format;
    const char* key;        // on the command line
    const char* extension;  // with its dot
    const char* title;      // for menus, translated in the context "SurveyFormat"
};

// One row per format, in menu order.
extern const SurveyFormatInfo surveyFormats[3];

const SurveyFormatInfo& surveyFormatInfo(SurveyFormat format);
// Null for a key no format has.
const SurveyFormatInfo* findSurveyFormat(const QString& key);

enum class SurveyGridFit {
    Fits,
    // No rows, no columns, or a width or length that is not positive.
    NoValues,
    // Surfer grids give their cell size only through the distance of the first and the last
    // node, so a field of one track (or one row) would lose its place and size.
    TooNarrow,
};

SurveyGridFit surveyGridFit(const Dataset& dataset, SurveyFormat format);

// The grid every survey format writes, seen from above; rows are counted from the lowest y,
// which is the last row of the grid.
struct SurveyGrid
{
    int columns = 0;
    int rows = 0;
    double dx = 0;  // cell size across the tracks
    double dy = 0;  // cell size along them
    std::vector<std::vector<int16_t>> ground;  // [column][row], row 0 at the largest y

    SurveyGridFit fit(SurveyFormat format) const;
    int16_t value(int column, int rowFromBottom) const
    {
        return ground[size_t(column)][size_t(rows - 1 - rowFromBottom)];
    }
    double x(int column) const { return (column + 0.5) * dx; }
    double y(int rowFromBottom) const { return (rowFromBottom + 0.5) * dy; }
};

// The dataset's grid, cleaned.
SurveyGrid surveyGrid(const Dataset& dataset, const GridCleaning& cleaning = {});

// The whole file, its grid cleaned first; empty unless the dataset fits the format. Cleaning
// changes values only, never whether a dataset fits.
QByteArray surveyText(const Dataset& dataset, SurveyFormat format, const GridCleaning& cleaning = {});

// An ESRI NODATA_value outside the 16-bit range of the readings, so none is taken as missing.
constexpr int esriNoData = -99999;
