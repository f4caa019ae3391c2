#pragma once

#include <QPixmap>
#include <QWidget>

// The field drawn with its tracks, walking arrows and four corner circles; a press near a
// corner chooses it as the starting corner.
class WalkingDirectionPainterWidget : public QWidget
{
    Q_OBJECT
public:
    // `corner` belongs to the owning chooser; a press changes it in place.
    WalkingDirectionPainterWidget(int& corner, bool parallel, QWidget* parent = nullptr);

    void setParallel(bool value);
    bool isParallel() const { return parallel; }
    int marginXPx() const { return marginX; }
    int marginYPx() const { return marginY; }

signals:
    void indexChanged(int corner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int& corner;
    bool parallel;
    int marginX = 0;
    int marginY = 0;
    QPixmap upArrow;
    QPixmap downArrow;
};
