#include "visualization/widgets/profileplot.h"

#include "app/appsettings.h"

#include <QLinearGradient>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {
// A tick step of 1, 2 or 5 times a power of ten that gives about `count` steps over `span`.
double tickStep(double span, int count)
{
    if (!(span > 0))
        return 1;
    const double rough = span / std::max(count, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10 * power;
}
QString readingText(double reading)
{
    return QLocale().toString(int(std::lround(reading)));
}
} // namespace

ProfilePlot::ProfilePlot(const QString& title, QWidget* parent)
    : QWidget(parent)
    , title_(title)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ProfilePlot::setProfile(const Profile& profile, ValueRange colorRange, int colormap)
{
    profile_ = profile;
    range_ = colorRange;
    map_ = colormap;
    lowest = colorRange.low;
    highest = colorRange.high;
    for (float v : profile_.readings) {
        lowest = std::min(lowest, double(v));
        highest = std::max(highest, double(v));
    }
    if (!(highest > lowest))
        highest = lowest + 1;
    update();
}

QSize ProfilePlot::sizeHint() const
{
    return QSize(int(1.8 * screenDpi), int(1.1 * screenDpi));
}

QSize ProfilePlot::minimumSizeHint() const
{
    return QSize(int(1.2 * screenDpi), std::max(int(0.9 * screenDpi), 5 * fontMetrics().height()));
}

QRectF ProfilePlot::plotArea() const
{
    const QFontMetricsF metrics(font());
    const double labels = std::max(metrics.horizontalAdvance(readingText(lowest)),
                                   metrics.horizontalAdvance(readingText(highest)));
    const double pad = 0.04 * screenDpi + 2;
    return QRectF(QPointF(labels + 2 * pad, metrics.height() + pad),
                  QPointF(width() - pad, height() - metrics.height() - 2 * pad));
}

QPointF ProfilePlot::pointOf(size_t i) const
{
    const QRectF area = plotArea();
    const auto& m = profile_.metres;
    if (i >= m.size())
        return {};
    const double first = m.front(), last = m.back();
    const double x = last > first ? (m[i] - first) / (last - first) : 0.5;
    const double y = (profile_.readings[i] - lowest) / (highest - lowest);
    return QPointF(area.left() + x * area.width(), area.bottom() - y * area.height());
}

void ProfilePlot::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0xfa, 0xf3, 0xe3));
    painter.setPen(Qt::black);
    painter.drawText(QPointF(0.04 * screenDpi + 2, QFontMetricsF(font()).ascent() + 1), title_);
    const QRectF area = plotArea();
    if (profile_.readings.empty() || area.width() < 4 || area.height() < 4)
        return;
    // The readings the colour map spans, in its colours, faint.
    const double top = area.bottom() - (range_.high - lowest) / (highest - lowest) * area.height();
    const double bottom = area.bottom() - (range_.low - lowest) / (highest - lowest) * area.height();
    QLinearGradient band(0, bottom, 0, top);
    for (int i = 0; i <= 8; ++i) {
        const Rgb c = colorFromValue(float(i), 0.0f, 8.0f, map_);
        band.setColorAt(i / 8.0, QColor(c.red, c.green, c.blue, 90));
    }
    painter.fillRect(QRectF(QPointF(area.left(), top), QPointF(area.right(), bottom)), band);
    paintAxes(painter, area);
    QPainterPath line(pointOf(0));
    for (size_t i = 1; i < profile_.readings.size(); ++i)
        line.lineTo(pointOf(i));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(30, 30, 30), std::max(1.0, screenDpi / 96)));
    painter.drawPath(line);
    const QPointF picked = pointOf(profile_.picked);
    painter.setPen(QPen(Qt::black, std::max(1.0, screenDpi / 96)));
    painter.setBrush(Qt::magenta);
    const double radius = std::max(3.0, 0.035 * screenDpi);
    painter.drawEllipse(picked, radius, radius);
}

void ProfilePlot::paintAxes(QPainter& painter, const QRectF& area) const
{
    const QLocale locale;
    const QFontMetricsF metrics(font());
    painter.setPen(QColor(90, 90, 90));
    painter.drawRect(area);
    for (const auto& [reading, baseline] : {std::pair{highest, area.top() + metrics.ascent()},
                                            std::pair{lowest, area.bottom()}}) {
        const QString text = readingText(reading);
        painter.drawText(QPointF(area.left() - metrics.horizontalAdvance(text) - 4, baseline), text);
    }
    const double first = profile_.metres.front(), last = profile_.metres.back();
    const double step = tickStep(last - first, std::max(2, int(area.width() / (3 * metrics.height()))));
    for (double m = std::ceil(first / step) * step; m <= last + 1e-9 && last > first; m += step) {
        const double x = area.left() + (m - first) / (last - first) * area.width();
        painter.drawLine(QPointF(x, area.bottom()), QPointF(x, area.bottom() + 3));
        const QString text = tr("%1 m").arg(locale.toString(m, 'g', 4));
        const double w = metrics.horizontalAdvance(text);
        painter.drawText(QPointF(std::clamp(x - w / 2, 0.0, width() - w), area.bottom() + 3 + metrics.ascent()), text);
    }
}

void ProfilePlot::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->pos()))
        emit opened();
}
