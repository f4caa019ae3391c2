#pragma once

#include <QLabel>
#include <QPixmap>

// A dataset tile's preview. A press anywhere emits imageSelected(); while the overlay is on,
// the "selected" mark is drawn centred over the picture.
class ImageLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ImageLabel(QWidget* parent = nullptr);
    void setOverlayShown(bool shown);
    bool overlayShown() const { return overlayOn; }

signals:
    void imageSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool overlayOn = false;
    QPixmap overlay;
};
