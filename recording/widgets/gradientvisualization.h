#pragma once

#include "recording/gradientlevel.h"

#include <QWidget>

// Draws the gradient analysis' bell curve and bars for the latest reading.
class GradientVisualization : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    void setReading(const GradientReading& latest);
    const GradientReading& currentReading() const { return reading; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GradientReading reading;
};
