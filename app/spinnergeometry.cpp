#include "app/spinnergeometry.h"

#include <QtGlobal>
#include <cmath>

namespace SpinnerGeometry {

int side(int innerRadius, int lineLength)
{
    return 2 * (innerRadius + lineLength);
}

int interval(int lineCount, double revolutionsPerSecond)
{
    const double stepsPerSecond = lineCount * revolutionsPerSecond;
    if (!(stepsPerSecond > 0) || !std::isfinite(stepsPerSecond))
        return 1000;
    // A zero interval would make the timer fire on every idle pass of the event loop.
    return qMax(1, int(1000 / stepsPerSecond));
}

int distance(int currentLine, int i, int lineCount)
{
    const int d = currentLine - i;
    return d < 0 ? d + lineCount : d;
}

QColor barColor(const QColor& color, int distance, int lineCount, double trailFadePercent,
                double minimumTrailOpacity)
{
    if (distance <= 0)
        return color;
    const double minAlpha = minimumTrailOpacity / 100.0;
    const int fadeLines = int(std::ceil((lineCount - 1) * trailFadePercent / 100.0));
    double alpha = minAlpha;
    if (distance <= fadeLines) {
        alpha = color.alphaF() - distance * (color.alphaF() - minAlpha) / (fadeLines + 1);
        alpha = qBound(0.0, alpha, 1.0);
    }
    QColor faded = color;
    faded.setAlphaF(alpha);
    return faded;
}

QRect barRect(int lineLength, int lineWidth)
{
    return QRect(0, -(lineWidth / 2), lineLength, lineWidth);
}

double barAngle(int i, int lineCount)
{
    return lineCount > 0 ? i * 360.0 / lineCount : 0.0;
}

} // namespace SpinnerGeometry
