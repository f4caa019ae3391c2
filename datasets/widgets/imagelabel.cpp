#include "datasets/widgets/imagelabel.h"

#include <QPainter>
#include <QResizeEvent>

namespace {
const QString selectedMark = QStringLiteral(":/res/images/new/imageSelected.png");
}

ImageLabel::ImageLabel(QWidget* parent)
    : QLabel(parent)
{
}

void ImageLabel::setOverlayShown(bool shown)
{
    overlayOn = shown;
    update();
}

void ImageLabel::mousePressEvent(QMouseEvent*)
{
    emit imageSelected();
}

void ImageLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    const QPixmap mark(selectedMark);
    const QSize size = event->size();
    overlay = size.width() > size.height() ? mark.scaledToWidth(size.width(), Qt::SmoothTransformation)
                                           : mark.scaledToHeight(size.height(), Qt::SmoothTransformation);
}

void ImageLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!overlayOn || overlay.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap((width() - overlay.width()) / 2, (height() - overlay.height()) / 2, overlay);
}
