#include "recording/gradientpicture.h"

#include "app/colormap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
const QColor lineColor(88, 88, 87);

struct Bell
{
    float centre;
    float width;
    float amplitude;
    int margin;

    float operator()(float x) const
    {
        const float z = (x - centre) / width;
        return std::exp(-0.5f * z * z);
    }
};

Bell bellOf(int w, int h, const GradientReading& reading)
{
    const float d = std::clamp(reading.latestValue - reading.smoothedLevel, -200.0f, 200.0f);
    const int shift = int(w * (d / 200) * 0.3);
    const int margin = int(h * 0.05);
    const float amplitude = float((h - margin) * (std::min(reading.spread, 25.0f) / 25) * 0.9);
    return {float(w * 0.5 + shift), float(w * 0.1), amplitude, margin};
}
} // namespace

namespace GradientPicture {

QPolygon bellCurve(int w, int h, const GradientReading& reading)
{
    const Bell g = bellOf(w, h, reading);
    QPolygon curve;
    for (int x = 0; x < w; x += 5)
        curve << QPoint(x, int(h - g(float(x)) * g.amplitude - g.margin));
    return curve;
}

std::vector<Bar> bars(int w, int h, const GradientReading& reading, int map)
{
    const Bell g = bellOf(w, h, reading);
    const int m = g.margin;
    const int f = w / 26;
    const int count = w / (f + 5);
    std::vector<Bar> result;
    for (int k = 0; k < count; ++k) {
        const int x = 5 + k * (f + 5);
        const float t = std::min(g(float(x)), g(float(x + f))) * g.amplitude;
        const int b = h - (int(h - t - m) + m + 10);
        if (b <= (h - m) * 0.05)
            continue;
        const Rgb c = colorFromValue(float(b), 0, float((h - m - 10) * 0.75), map);
        result.push_back({QRect(x, int(h - t - m + 5), f, b),
                          QColor(int(c.red * 0.9), int(c.green * 0.9), int(c.blue * 0.9))});
    }
    return result;
}

void paint(QPainter& painter, int w, int h, const GradientReading& reading, int map)
{
    const int m = int(h * 0.05);
    painter.setPen(QPen(lineColor, 5));
    painter.drawLine(0, h - m, w, h - m);
    painter.drawLine(int(w * 0.5), 0, int(w * 0.5), h);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(lineColor, 3));
    painter.drawPolyline(bellCurve(w, h, reading));
    for (const Bar& bar : bars(w, h, reading, map))
        painter.fillRect(bar.rect, bar.color);
}

} // namespace GradientPicture
