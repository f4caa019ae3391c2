#pragma once

#include <QPixmap>
#include <QRect>
#include <QVector>

// The scanner's battery gauge in the navigation bar: seven bars, one lit per 14 percent.
namespace BatteryGauge {

constexpr int barCount = 7;

struct Bar
{
    QRect rect;
    bool lit;
};

// The bars on a picture of the given size, left to right.
QVector<Bar> bars(const QSize& size, int percent);

// Draws the gauge over the whole picture.
void draw(QPixmap& picture, int percent);

} // namespace BatteryGauge
