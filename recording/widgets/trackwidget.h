#pragma once

#include <QImage>
#include <QWidget>

// One column of the field preview: its picture stretched to the column's size.
class TrackWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TrackWidget(QWidget* parent = nullptr);
    void setImage(QImage image);
    const QImage& image() const { return original; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rescale();

    QImage original; // kept unscaled, so repeated resizes do not blur it
    QImage scaled;
};
