#include "datasets/datasetpreview.h"

#include "datasets/resampletrack.h"
#include "visualization/colormap.h"

#include <algorithm>

QImage datasetPreview(const std::vector<int16_t>& values, const FieldLayout& layout, int map)
{
    QImage preview(previewSize, previewSize, QImage::Format_RGB32);
    preview.fill(QColor(198, 198, 198));
    if (values.empty() || layout.rows <= 0 || layout.columns <= 0)
        return preview;

    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    const ValueRange range = widenToMinimumColorRange({*lowest, *highest});
    const auto ground = groundGrid(values, layout, walkingOrderPosition);

    // Sampled straight into the small image (nearest neighbour, as an unfiltered scale of
    // the columns × rows picture would), so a long field never needs a full-size picture.
    for (int py = 0; py < previewSize; ++py) {
        const int y = nearestSourceIndex(py, layout.rows, previewSize);
        auto* line = reinterpret_cast<QRgb*>(preview.scanLine(py));
        for (int px = 0; px < previewSize; ++px) {
            const int x = nearestSourceIndex(px, layout.columns, previewSize);
            const Rgb c = colorFromValue(ground[size_t(x)][size_t(y)], range.low, range.high, map);
            line[px] = qRgb(c.red, c.green, c.blue);
        }
    }
    return preview;
}
