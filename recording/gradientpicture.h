#pragma once

#include "recording/gradientlevel.h"

#include <QColor>
#include <QPolygon>
#include <QRect>
#include <vector>

class QPainter;

// The gradient view's picture in a w x h area: a bell curve whose peak moves with the newest
// sample's departure from the smoothed level and grows with the spread, and bars under it.
namespace GradientPicture {

struct Bar
{
    QRect rect;
    QColor color;
};

// The curve through x = 0, 5, 10, ... below w.
QPolygon bellCurve(int w, int h, const GradientReading& reading);
// The bars tall enough to be drawn, coloured with colour map `map`.
std::vector<Bar> bars(int w, int h, const GradientReading& reading, int map);
// Baseline, centre line, curve and bars.
void paint(QPainter& painter, int w, int h, const GradientReading& reading, int map);

} // namespace GradientPicture
