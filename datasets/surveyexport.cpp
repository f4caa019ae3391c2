#include "datasets/surveyexport.h"

#include "datasets/dataset.h"
#include "datasets/groundposition.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

const SurveyFormatInfo surveyFormats[3] = {
    {SurveyFormat::Xyz, "xyz", ".csv", QT_TRANSLATE_NOOP("SurveyFormat", "XYZ / CSV")},
    {SurveyFormat::SurferText, "dsaa", ".grd", QT_TRANSLATE_NOOP("SurveyFormat", "Surfer 6 text grid (DSAA)")},
    {SurveyFormat::EsriAscii, "asc", ".asc", QT_TRANSLATE_NOOP("SurveyFormat", "ESRI ASCII grid")},
};

const SurveyFormatInfo& surveyFormatInfo(SurveyFormat format)
{
    return *std::find_if(std::begin(surveyFormats), std::end(surveyFormats),
                         [format](const SurveyFormatInfo& info) { return info.format == format; });
}

const SurveyFormatInfo* findSurveyFormat(const QString& key)
{
    for (const SurveyFormatInfo& info : surveyFormats)
        if (key == QLatin1String(info.key))
            return &info;
    return nullptr;
}

SurveyGridFit SurveyGrid::fit(SurveyFormat format) const
{
    if (columns <= 0 || rows <= 0 || !(dx > 0) || !(dy > 0))
        return SurveyGridFit::NoValues;
    if (format == SurveyFormat::SurferText && (columns < 2 || rows < 2))
        return SurveyGridFit::TooNarrow;
    return SurveyGridFit::Fits;
}

SurveyGrid surveyGrid(const Dataset& dataset, const GridCleaning& cleaning)
{
    const FieldLayout layout = fieldLayoutOf(dataset);
    SurveyGrid grid;
    grid.columns = layout.columns;
    grid.rows = layout.rows;
    if (grid.columns <= 0 || grid.rows <= 0)
        return grid;
    // The cell sizes are the VTK export's spacing.
    grid.dx = double(dataset.getProperty(QStringLiteral("width")).toFloat() / float(grid.columns));
    grid.dy = double(dataset.getProperty(QStringLiteral("length")).toFloat() / float(grid.rows));
    grid.ground = groundGrid(dataset.values(), layout, columnParityPosition);
    if (cleaning.any())
        cleanGrid(grid.ground, layout, cleaning);
    return grid;
}

namespace {
// Seven significant digits: all a float property holds, without its binary noise.
// QByteArray::number ignores the locale.
QByteArray decimal(double value)
{
    return QByteArray::number(value, 'g', 7);
}

void appendValueRow(QByteArray& text, const SurveyGrid& grid, int rowFromBottom)
{
    for (int column = 0; column < grid.columns; ++column) {
        if (column > 0)
            text += ' ';
        text += QByteArray::number(grid.value(column, rowFromBottom));
    }
    text += '\n';
}

QByteArray xyzText(const SurveyGrid& grid)
{
    // Each column's x is written once per row: formatted once, it is copied.
    std::vector<QByteArray> xs;
    for (int column = 0; column < grid.columns; ++column)
        xs.push_back(decimal(grid.x(column)) + ',');
    QByteArray text = "x,y,value\n";
    text.reserve(text.size() + grid.columns * grid.rows * 20);
    for (int row = 0; row < grid.rows; ++row) {
        const QByteArray y = decimal(grid.y(row)) + ',';
        for (int column = 0; column < grid.columns; ++column) {
            text += xs[size_t(column)];
            text += y;
            text += QByteArray::number(grid.value(column, row));
            text += '\n';
        }
    }
    return text;
}

QByteArray surferText(const SurveyGrid& grid)
{
    int16_t lowest = grid.ground[0][0];
    int16_t highest = lowest;
    for (const auto& column : grid.ground) {
        const auto range = std::minmax_element(column.begin(), column.end());
        lowest = std::min(lowest, *range.first);
        highest = std::max(highest, *range.second);
    }
    // Surfer's x and y ranges run from the first node to the last, here the cell centres.
    QByteArray text = "DSAA\n";
    text += QByteArray::number(grid.columns) + ' ' + QByteArray::number(grid.rows) + '\n';
    text += decimal(grid.x(0)) + ' ' + decimal(grid.x(grid.columns - 1)) + '\n';
    text += decimal(grid.y(0)) + ' ' + decimal(grid.y(grid.rows - 1)) + '\n';
    text += QByteArray::number(lowest) + ' ' + QByteArray::number(highest) + '\n';
    for (int row = 0; row < grid.rows; ++row)
        appendValueRow(text, grid, row);
    return text;
}

QByteArray esriText(const SurveyGrid& grid)
{
    QByteArray text;
    text += "ncols " + QByteArray::number(grid.columns) + '\n';
    text += "nrows " + QByteArray::number(grid.rows) + '\n';
    text += "xllcorner 0\n";
    text += "yllcorner 0\n";
    if (decimal(grid.dx) == decimal(grid.dy))
        text += "cellsize " + decimal(grid.dx) + '\n';
    else
        text += "dx " + decimal(grid.dx) + "\ndy " + decimal(grid.dy) + '\n';
    text += "NODATA_value " + QByteArray::number(esriNoData) + '\n';
    for (int row = grid.rows - 1; row >= 0; --row)
        appendValueRow(text, grid, row);
    return text;
}
} // namespace

SurveyGridFit surveyGridFit(const Dataset& dataset, SurveyFormat format)
{
    return surveyGrid(dataset).fit(format);
}

QByteArray surveyText(const Dataset& dataset, SurveyFormat format, const GridCleaning& cleaning)
{
    const SurveyGrid grid = surveyGrid(dataset, cleaning);
    if (grid.fit(format) != SurveyGridFit::Fits)
        return {};
    switch (format) {
    case SurveyFormat::Xyz:
        return xyzText(grid);
    case SurveyFormat::SurferText:
        return surferText(grid);
    case SurveyFormat::EsriAscii:
        return esriText(grid);
    }
    return {};
}
