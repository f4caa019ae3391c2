#include "datasets/fieldpicture.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

ValueRange pictureRange(const SurveyGrid& grid)
{
    ValueRange range{32767, -32768};
    for (const auto& column : grid.ground) {
        if (column.empty())
            continue;
        const auto ends = std::minmax_element(column.begin(), column.end());
        range.low = std::min(range.low, int(*ends.first));
        range.high = std::max(range.high, int(*ends.second));
    }
    if (range.low > range.high)
        range = ValueRange{0, 0};
    return widenToMinimumColorRange(range);
}

QImage planPicture(const SurveyGrid& grid, ValueRange range, int colormap)
{
    QImage picture(grid.columns, grid.rows, QImage::Format_RGB32);
    for (int row = 0; row < grid.rows; ++row) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row));
        for (int column = 0; column < grid.columns; ++column)
            line[column] = opaqueArgbFromValue(grid.ground[size_t(column)][size_t(row)], float(range.low),
                                               float(range.high), colormap);
    }
    return picture;
}

QImage legendPicture(ValueRange range, int colormap, const QString& title)
{
    QFont font;
    font.setPixelSize(16);
    const QFontMetrics metrics(font);
    const QString labels[3] = {QString::number(range.high), QString::number((range.low + range.high) / 2),
                               QString::number(range.low)};
    int labelWidth = 0;
    for (const QString& label : labels)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    const int margin = 10;
    const int barWidth = 28;
    const int barHeight = 240;
    const int line = metrics.height();
    const int width = std::max(2 * margin + barWidth + 8 + labelWidth, 2 * margin + metrics.horizontalAdvance(title));
    const int barTop = margin + line + 6;
    QImage legend(width, barTop + barHeight + margin + line / 2, QImage::Format_ARGB32);
    legend.fill(QColor(255, 255, 255, 220));

    QPainter painter(&legend);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(margin, margin + metrics.ascent(), title);
    for (int y = 0; y < barHeight; ++y) {
        const float value = float(range.high) - float(range.high - range.low) * float(y) / float(barHeight - 1);
        painter.fillRect(margin, barTop + y, barWidth, 1,
                         QColor::fromRgb(opaqueArgbFromValue(value, float(range.low), float(range.high), colormap)));
    }
    painter.drawRect(margin, barTop, barWidth, barHeight - 1);
    for (int i = 0; i < 3; ++i) {
        const int y = barTop + i * (barHeight - 1) / 2;
        painter.drawLine(margin + barWidth, y, margin + barWidth + 5, y);
        painter.drawText(margin + barWidth + 8, y + metrics.ascent() / 2 - 1, labels[i]);
    }
    return legend;
}
