#include "app/widgets/batterygauge.h"

#include <QPainter>

namespace BatteryGauge {

QVector<Bar> bars(const QSize& size, int percent)
{
    const int barHeight = int(size.height() * 0.6);
    const int barWidth = size.width() / 14;
    const int top = (size.height() - barHeight) / 2;
    QVector<Bar> result;
    for (int k = 1; k <= barCount; ++k)
        result.append({QRect((k - 1) * 2 * barWidth, top, barWidth, barHeight), 14 * k < percent});
    return result;
}

void draw(QPixmap& picture, int percent)
{
    picture.fill(QColor(230, 209, 167));
    QPainter painter(&picture);
    for (const Bar& bar : bars(picture.size(), percent))
        painter.fillRect(bar.rect, bar.lit ? QColor(61, 169, 54) : QColor(87, 87, 86));
}

} // namespace BatteryGauge
