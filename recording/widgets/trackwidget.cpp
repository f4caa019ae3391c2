#include "recording/widgets/trackwidget.h"

#include "app/appsettings.h"

#include <QPainter>

TrackWidget::TrackWidget(QWidget* parent)
    : QWidget(parent)
{
    setMaximumWidth(int(screenDpi));
}

void TrackWidget::setImage(QImage image)
{
    original = std::move(image);
    rescale();
    repaint();
}

void TrackWidget::rescale()
{
    scaled = original.isNull()
        ? QImage()
        : original.scaled(int(screenDpi), std::max(1, height()), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void TrackWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!original.isNull())
        rescale();
}

void TrackWidget::paintEvent(QPaintEvent*)
{
    if (scaled.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, scaled);
}
