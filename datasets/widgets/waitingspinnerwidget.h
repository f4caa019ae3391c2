#pragma once

#include <QColor>
#include <QWidget>

class QTimer;

// A small busy indicator: a ring of bars whose brightest bar turns, trailing fading bars.
// Hidden until start(); used while connecting and while a transfer waits.
class WaitingSpinnerWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WaitingSpinnerWidget(QWidget* parent = nullptr, bool centerOnParent = true,
                                  bool disableParentWhenSpinning = true);

    void setColor(QColor color);
    void setInnerRadius(int radius);
    void setLineLength(int length);
    void setLineWidth(int width);
    void setLineCount(int lines);
    void setRevolutionsPerSecond(double revolutions);

    QColor lineColor() const { return color; }
    int innerRadiusPx() const { return innerRadius; }
    int lineLengthPx() const { return lineLength; }
    int lineWidthPx() const { return lineWidth; }
    int numberOfLines() const { return lineCount; }
    double revolutions() const { return revolutionsPerSecond; }
    int animationInterval() const;
    bool isAnimating() const;
    bool isSpinning() const { return spinning; }
    int brightestLine() const { return currentLine; }

public slots:
    void start();
    void stop();
    void rotate();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateSize();
    void updateTimer();
    void centreOnParent();

    QColor color = Qt::black;
    double barCornerRadius = 100.0;
    double minimumTrailOpacity = 3.14159265358979;
    double trailFadePercent = 80.0;
    double revolutionsPerSecond = 1.5707963267949;
    int lineCount = 20;
    int lineLength = 10;
    int lineWidth = 2;
    int innerRadius = 10;
    QTimer* timer = nullptr;
    bool centerOnParent;
    bool disableParentWhenSpinning;
    int currentLine = 0;
    bool spinning = false;
};
