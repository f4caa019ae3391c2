#include "datasets/vtkexport.h"

#include "datasets/dataset.h"
#include "datasets/atomicwrite.h"
#include "datasets/groundposition.h"

namespace {
QByteArray shortest(float value)
{
    return QByteArray::number(double(value), 'g', 6);
}

QByteArray header(int columns, int rows, float width, float length)
{
    QByteArray text;
    text += "# vtk DataFile Version 3.1 \n";
    text += "Generated from a Sorvanel3D_UA Dataset\n";
    text += "ASCII\n";
    text += "DATASET STRUCTURED_POINTS\n";
    text += "DIMENSIONS " + QByteArray::number(columns) + ' ' + QByteArray::number(rows) + " 1\n";
    text += "ORIGIN 0 0 0\n";
    text += "SPACING " + shortest(width / float(columns)) + ' ' + shortest(length / float(rows)) + " 1\n";
    text += "POINT_DATA " + QByteArray::number(columns * rows) + '\n';
    text += "SCALARS P float\n";
    text += "LOOKUP_TABLE default\n";
    return text;
}
} // namespace

QByteArray vtkText(const Dataset& dataset)
{
    const FieldLayout layout = fieldLayoutOf(dataset);
    QByteArray text = header(layout.columns, layout.rows, dataset.getProperty(QStringLiteral("width")).toFloat(),
                             dataset.getProperty(QStringLiteral("length")).toFloat());
    const auto grid = groundGrid(dataset.values(), layout, columnParityPosition);
    text.reserve(text.size() + layout.columns * layout.rows * 7);
    for (int y = layout.rows - 1; y >= 0; --y)
        for (int x = 0; x < layout.columns; ++x)
            text += QByteArray::number(grid[size_t(x)][size_t(y)]) + '\n';
    return text;
}

Outcome writeVtkFile(const Dataset& dataset, const QString& path)
{
    return writeFileAtomically(path, vtkText(dataset), QIODevice::Text);
}
