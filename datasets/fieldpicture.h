#pragma once

#include "app/colormap.h"
#include "datasets/surveyexport.h"

#include <QImage>
#include <QString>

// The colour range of the map pictures: the grid's lowest to highest reading, widened to the
// smallest range the program colours, as the library's previews are.
ValueRange pictureRange(const SurveyGrid& grid);

// The grid seen from above, one opaque pixel per cell: column across, the grid's first row at
// the top.
QImage planPicture(const SurveyGrid& grid, ValueRange range, int colormap);

// A colour bar of the range with its end and middle readings, on a light card; `title` above
// it. Needs a QGuiApplication for its fonts.
QImage legendPicture(ValueRange range, int colormap, const QString& title);
