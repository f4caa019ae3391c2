#include "recording/fieldpreviewcolumns.h"

#include "datasets/groundposition.h"
#include "app/colormap.h"

namespace FieldPreviewColumns {

namespace {
QRgb colorOf(int value, int low, int high, int map)
{
    const Rgb c = colorFromValue(float(value), float(low), float(high), map);
    return qRgb(c.red, c.green, c.blue);
}
} // namespace

// Row 0 of a column is the field's first row.
bool finishedTrackTopDown(int k, int corner, bool parallel)
{
    return !runsFromLastRow(corner, parallel, k);
}

bool currentTrackReversed(int finished, int corner, bool parallel)
{
    return runsFromLastRow(corner, parallel, finished);
}

QImage finishedColumn(const std::vector<std::int16_t>& track, bool topDown, int low, int high, int map)
{
    QImage image(1, columnHeight, QImage::Format_RGB32);
    image.fill(qRgb(198, 198, 198));
    const int rows = std::min(int(track.size()), columnHeight);
    for (int i = 0; i < rows; ++i)
        image.setPixel(0, topDown ? i : columnHeight - 1 - i, colorOf(track[std::size_t(i)], low, high, map));
    return image;
}

QImage currentColumn(const std::vector<std::int16_t>& samples, bool reversed, float rowScale, int low,
                     int high, int map)
{
    QImage column(1, columnHeight, QImage::Format_RGB32);
    column.fill(qRgb(198, 198, 198));
    if (samples.empty() || rowScale <= 0.0f)
        return column;
    QImage walked(1, int(samples.size()), QImage::Format_RGB32);
    for (int i = 0; i < walked.height(); ++i)
        walked.setPixel(0, i, colorOf(samples[std::size_t(i)], low, high, map));
    const int fits = int(columnHeight / rowScale);
    if (walked.height() > fits && fits > 0)
        walked = walked.scaled(1, fits, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    for (int j = 0; j < columnHeight; ++j) {
        const int source = int(j / rowScale);
        if (source < walked.height())
            column.setPixel(0, reversed ? columnHeight - 1 - j : j, walked.pixel(0, source));
    }
    return column;
}

} // namespace FieldPreviewColumns
