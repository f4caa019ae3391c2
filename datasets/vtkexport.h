#pragma once

#include "app/result.h"

#include <QByteArray>
#include <QString>

class Dataset;

// The dataset as a legacy ASCII VTK file: structured points of "columns" x "rows" x 1 with
// spacing width/columns and length/rows, one scalar per point, rows from the last to the
// first, x running fastest, in the column-parity arrangement that the 3D view uses.
QByteArray vtkText(const Dataset& dataset);

// Writes vtkText(dataset) to `path` in text mode.
Outcome writeVtkFile(const Dataset& dataset, const QString& path);
