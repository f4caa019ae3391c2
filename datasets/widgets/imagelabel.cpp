#include "datasets/widgets/imagelabel.h"

#include <QPainter>
#include <QResizeEvent>

namespace {
// Decoded once for every tile.
const QPixmap& selectedMark()
{
    static const QPixmap mark(QStringLiteral(":/res/images/new/imageSelected.png"));
    return mark;
}
} // namespace

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

// The mark is rescaled for the new size when it is next drawn: most previews of a library are
// never selected, and scaling it for each of thousands of tiles made listing slow.
void ImageLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    overlay = QPixmap();
}

void ImageLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!overlayOn)
        return;
    if (overlay.isNull())
        overlay = width() > height() ? selectedMark().scaledToWidth(width(), Qt::SmoothTransformation)
                                     : selectedMark().scaledToHeight(height(), Qt::SmoothTransformation);
    if (overlay.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap((width() - overlay.width()) / 2, (height() - overlay.height()) / 2, overlay);
}
