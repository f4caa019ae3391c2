#include "recording/widgets/gradientvisualization.h"

#include "app/settingskeys.h"
#include "recording/gradientpicture.h"

#include <QPainter>

void GradientVisualization::setReading(const GradientReading& latest)
{
    reading = latest;
    update();
}

void GradientVisualization::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    GradientPicture::paint(painter, width(), height(), reading, Settings::colormap.read().toInt());
}
