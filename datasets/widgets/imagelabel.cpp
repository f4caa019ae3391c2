#include "datasets/widgets/imagelabel.h"

#include "datasets/datasetlisting.h"

#include <QPainter>
#include <QResizeEvent>
#include <utility>

namespace {
// Decoded once for every tile.
const QPixmap& selectedMark()
{
    static const QPixmap mark(QStringLiteral(":/res/images/new/imageSelected.png"));
    return mark;
}

// The size QPixmap::scaledToWidth(width, Qt::SmoothTransformation) gives a picture of `size`.
QSize smoothlyScaledToWidth(const QSize& size, int width)
{
    if (size.width() == width)
        return size;
    const qreal factor = qreal(width) / size.width();
    return {int(factor * size.width() + 0.9999), int(factor * size.height() + 0.9999)};
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

// Most tiles of a big library are never scrolled into view: decoding and scaling every preview
// while listing took time and kept megabytes per tile.
void ImageLabel::setPreviewFile(const QString& path, int width)
{
    const QSize size = datasetPreviewSize(path);
    if (!size.isValid())
        return;
    previewPath = path;
    previewWidth = width;
    previewSize = smoothlyScaledToWidth(size, width);
    updateGeometry();
}

// As a label with that picture: the picture, the margins and at least the minimum size.
QSize ImageLabel::sizeHint() const
{
    if (previewPath.isEmpty())
        return QLabel::sizeHint();
    ensurePolished();
    const QMargins margins = contentsMargins();
    const QSize extra(margins.left() + margins.right() + 2 * margin(), margins.top() + margins.bottom() + 2 * margin());
    return (previewSize + extra).expandedTo(minimumSize());
}

QSize ImageLabel::minimumSizeHint() const
{
    return previewPath.isEmpty() ? QLabel::minimumSizeHint() : sizeHint();
}

// A file that fails to decode after all leaves the label empty, as if it had been missing.
void ImageLabel::readPreviewFile()
{
    const QPixmap picture = QPixmap::fromImage(readDatasetPreview(std::exchange(previewPath, QString())));
    if (picture.isNull())
        updateGeometry();
    else
        setPixmap(picture.scaledToWidth(previewWidth, Qt::SmoothTransformation));
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
    if (!previewPath.isEmpty())
        readPreviewFile();
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
