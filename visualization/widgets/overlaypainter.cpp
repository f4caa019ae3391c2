#include "visualization/widgets/overlaypainter.h"

#include "app/colormap.h"
#include "visualization/terrain.h"
#include "visualization/widgets/viewcamera.h"

#include <QFontMetrics>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace {
QColor white(int alpha)
{
    return QColor(255, 255, 255, alpha);
}

QPointF onWidget(const QVector3D& point, const OverlayFrame& frame, const QMatrix4x4& model)
{
    return projectToWidget(point, frame.view * model, frame.projection, frame.width, frame.height);
}

// The bar's hundreds of one-colour lines, drawn once per place and colour map: drawn line by
// line on the view every frame they cost more than the terrain itself.
struct LegendBar
{
    QImage image;
    QPoint at;
    double left = 0, right = 0, top = 0;
    int height = 0;
    int map = -1;
};

const LegendBar& legendBar(double left, double right, double top, int height, int map)
{
    static LegendBar bar;
    if (bar.left == left && bar.right == right && bar.top == top && bar.height == height && bar.map == map)
        return bar;
    bar = {QImage(), QPoint(int(std::floor(left)), int(std::floor(top))), left, right, top, height, map};
    bar.image = QImage(int(std::ceil(right)) - bar.at.x() + 2, height + 2, QImage::Format_ARGB32_Premultiplied);
    bar.image.fill(Qt::transparent);
    QPainter painter(&bar.image);
    painter.translate(-bar.at);
    for (int y = 0; y < height; ++y) {
        const Rgb c = colorFromValue(float(height - y - 1), 0.0f, float(height), map);
        painter.setPen(QColor(c.red, c.green, c.blue));
        painter.drawLine(QLineF(left, top + y, right, top + y));
    }
    return bar;
}
} // namespace

void paintFieldMarks(QPainter& painter, const Terrain& terrain, const OverlayFrame& frame)
{
    const float t = terrain.gridTransluency();
    const int rimAlpha = int(t * 255);
    const QColor pen = white(terrain.depthAnalysis() ? int(t * 0.5f * 255) : rimAlpha);
    const QPointF corner = onWidget(terrain.startCornerPoint(), frame, frame.model);
    const int radius = int(std::min(frame.width, frame.height) * 0.05);
    QRadialGradient gradient(corner, radius);
    gradient.setColorAt(0.0, white(10));
    gradient.setColorAt(1.0, white(rimAlpha));
    painter.setBrush(gradient);
    painter.setPen(pen);
    painter.drawEllipse(corner, radius / 2.0, radius / 2.0);
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(painter.font());
    const std::vector<AxisLabel>& labels = terrain.axisLabels();
    std::vector<QRectF> boxes;
    for (const AxisLabel& label : labels) {
        const QPointF baseline = onWidget(label.position, frame, frame.model);
        boxes.push_back(metrics.boundingRect(label.text).translated(baseline));
    }
    liftOverlapping(boxes);
    for (std::size_t i = 0; i < labels.size(); ++i)
        painter.drawText(QPointF(boxes[i].left(), boxes[i].top() + metrics.ascent()), labels[i].text);
}

void paintPickMarker(QPainter& painter, QPointF at, double dpi)
{
    const double arm = std::max(6.0, 0.08 * dpi);
    const double thin = std::max(2.0, dpi / 48);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& [colour, width] : {std::pair<QColor, double>{Qt::black, thin * 2.5}, {Qt::magenta, thin}}) {
        painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at - QPointF(arm, arm), at + QPointF(arm, arm));
        painter.drawLine(at - QPointF(arm, -arm), at + QPointF(arm, -arm));
    }
    painter.restore();
}

void liftOverlapping(std::vector<QRectF>& boxes)
{
    for (std::size_t i = 1; i < boxes.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (boxes[i].intersects(boxes[j]))
                boxes[i].moveBottom(boxes[j].top() - 1);
        }
    }
}

void paintColorLegend(QPainter& painter, int width, int height, double dpi, int map,
                      const std::array<int, 5>& percentages, const LegendEnds* ends)
{
    const int barHeight = int(height - 0.5 * dpi);
    const double barLeft = width - int(0.25 * dpi) - 0.1 * dpi;
    const double barRight = width - 0.1 * dpi;
    const double top = 0.25 * dpi;
    const LegendBar& bar = legendBar(barLeft, barRight, top, barHeight, map);
    painter.drawImage(bar.at, bar.image);
    const QFontMetrics metrics(painter.font());
    const int binHeight = barHeight / 5;
    painter.setPen(Qt::white);
    for (int j = 0; j < 5; ++j) {
        const QString text = QString("%1").arg(percentages[size_t(j)]);
        const double y = height - (j * binHeight + int(binHeight / 2) + metrics.height());
        painter.drawText(QPointF(barLeft - 5 - metrics.horizontalAdvance(text), y), text);
    }
    const double tickLeft = barLeft - metrics.horizontalAdvance(QStringLiteral("99"));
    for (int j = 0; j <= 5; ++j)
        painter.drawLine(QLineF(tickLeft, top + j * binHeight, barLeft - 5, top + j * binHeight));
    if (!ends)
        return;
    // In the quarter inch above and below the bar, right-aligned with it. The readings keep
    // their sign in front under a language written right to left; the caption reads as written.
    const double aboveBaseline = top - metrics.descent() - 2;
    const QString gap = QStringLiteral("  ");
    const double highLeft = barRight - metrics.horizontalAdvance(ends->high);
    painter.drawText(QPointF(highLeft - metrics.horizontalAdvance(gap + ends->caption), aboveBaseline),
                     ends->caption);
    painter.save();
    painter.setLayoutDirection(Qt::LeftToRight);
    painter.drawText(QPointF(highLeft, aboveBaseline), ends->high);
    painter.drawText(QPointF(barRight - metrics.horizontalAdvance(ends->low), top + barHeight + metrics.ascent() + 2),
                     ends->low);
    painter.restore();
}

int depthScaleSteps(double span, int fontHeight)
{
    constexpr double mostSteps = 12;
    const double steps = std::fabs(span / (2.0 * std::max(fontHeight, 1)));
    // NaN (an edge projected from behind the camera) fails both comparisons: one step.
    return steps >= 1 ? int(std::min(steps, mostSteps)) : 1;
}

int paintDepthScale(QPainter& painter, const Terrain& terrain, const OverlayFrame& frame,
                     float soilDepth, float depthFactor)
{
    painter.setPen(QColor(0, 0, 0, int(terrain.gridTransluency() * 255)));
    const DepthBox box = terrain.depthBox();
    const QMatrix4x4 none;
    const float top = box.high.z();
    const QVector3D corners[4] = {{box.low.x(), box.low.y(), top},
                                  {box.low.x(), box.high.y(), top},
                                  {box.high.x(), box.low.y(), top},
                                  {box.high.x(), box.high.y(), top}};
    bool found = false;
    QVector3D rightmost;
    QPointF upper;
    for (const QVector3D& corner : corners) {
        const QPointF p = onWidget(corner, frame, none);
        if (p.x() > 0.99 * frame.width || (found && p.x() <= upper.x()))
            continue;
        found = true;
        rightmost = corner;
        upper = p;
    }
    if (!found)
        return 0;
    const QPointF lower = onWidget(QVector3D(rightmost.x(), rightmost.y(), 0.0f), frame, none);
    const int fontHeight = QFontMetrics(painter.font()).height();
    const double span = lower.y() - upper.y();
    const int n = depthScaleSteps(span, fontHeight);
    // "2.2 m" keeps its order under a language written right to left.
    painter.setLayoutDirection(Qt::LeftToRight);
    for (int i = 0; i <= n; ++i) {
        const double metres = double(i) * 12 / n * soilDepth * depthFactor;
        const QString text = QString("%1 m").arg(metres, 0, 'g', 2);
        painter.drawText(QPointF(upper.x() + 10, upper.y() + i * span / n + fontHeight / 2.0), text);
    }
    return n + 1;
}
