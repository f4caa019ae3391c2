#include "datasets/datasetpreview.h"

#include "app/colormap.h"

#include <QBuffer>
#include <algorithm>

QImage datasetPreview(const std::vector<int16_t>& values, const FieldLayout& layout, int map)
{
    if (values.empty() || layout.rows <= 0 || layout.columns <= 0) {
        QImage empty(previewSize, previewSize, QImage::Format_RGB32);
        empty.fill(QColor(198, 198, 198));
        return empty;
    }

    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const ValueRange range = widenToMinimumColorRange({*lowest, *highest});
    const auto ground = groundGrid(values, layout, walkingOrderPosition);

    // One pixel per value: x across the tracks, y along them.
    QImage field(layout.columns, layout.rows, QImage::Format_RGB32);
    for (int y = 0; y < layout.rows; ++y) {
        auto* line = reinterpret_cast<QRgb*>(field.scanLine(y));
        for (int x = 0; x < layout.columns; ++x) {
            const Rgb c = colorFromValue(ground[size_t(x)][size_t(y)], range.low, range.high, map);
            line[x] = qRgb(c.red, c.green, c.blue);
        }
    }
    return field.scaled(previewSize, previewSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

QByteArray pngOf(const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
        return {};
    return png;
}
