#pragma once

#include <QColor>
#include <QRect>

// The arithmetic of the waiting spinner, kept apart from the widget so it can be checked.
namespace SpinnerGeometry {

// Side of the square widget: the bars reach innerRadius + lineLength from the centre.
int side(int innerRadius, int lineLength);

// Milliseconds between two steps of the brightest bar; at least 1 ms, and a calm 1000 ms
// for a speed or line count that would divide by zero.
int interval(int lineCount, double revolutionsPerSecond);

// How many steps bar i trails behind the brightest bar currentLine.
int distance(int currentLine, int i, int lineCount);

// Colour of a bar `distance` steps behind the brightest one: the trail fades linearly
// over trailFadePercent of the ring, the rest stays at minimumTrailOpacity percent.
QColor barColor(const QColor& color, int distance, int lineCount, double trailFadePercent,
                double minimumTrailOpacity);

// One bar in the painter's rotated frame: starting at the inner radius, centred on the x axis.
QRect barRect(int lineLength, int lineWidth);

// Rotation of bar i around the centre, in degrees.
double barAngle(int i, int lineCount);

} // namespace SpinnerGeometry
