#pragma once

#include <QLabel>
#include <QPixmap>
#include <QSize>
#include <QString>

// A dataset tile's preview. A press anywhere emits imageSelected(); while the overlay is on,
// the "selected" mark is drawn centred over the picture.
class ImageLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ImageLabel(QWidget* parent = nullptr);
    void setOverlayShown(bool shown);
    bool overlayShown() const { return overlayOn; }
    // Shows the preview file at `path` scaled smoothly to `width`, read when the label is first
    // painted; until then the label takes the size that picture will have.
    void setPreviewFile(const QString& path, int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void imageSelected();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void readPreviewFile();

    bool overlayOn = false;
    QPixmap overlay;
    // Set while the preview file is still to be read.
    QString previewPath;
    int previewWidth = 0;
    QSize previewSize;
};
