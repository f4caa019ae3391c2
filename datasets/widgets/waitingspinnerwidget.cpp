#include "datasets/widgets/waitingspinnerwidget.h"

#include "app/spinnergeometry.h"

#include <QPainter>
#include <QTimer>

WaitingSpinnerWidget::WaitingSpinnerWidget(QWidget* parent, bool centerOnParent,
                                           bool disableParentWhenSpinning)
    : QWidget(parent),
      centerOnParent(centerOnParent),
      disableParentWhenSpinning(disableParentWhenSpinning)
{
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &WaitingSpinnerWidget::rotate);
    updateSize();
    updateTimer();
    hide();
}

void WaitingSpinnerWidget::setColor(QColor newColor)
{
    color = newColor;
}

void WaitingSpinnerWidget::setInnerRadius(int radius)
{
    innerRadius = radius;
    updateSize();
}

void WaitingSpinnerWidget::setLineLength(int length)
{
    lineLength = length;
    updateSize();
}

void WaitingSpinnerWidget::setLineWidth(int width)
{
    lineWidth = width;
    updateSize();
}

void WaitingSpinnerWidget::setLineCount(int lines)
{
    lineCount = lines;
    currentLine = 0;
    updateTimer();
}

void WaitingSpinnerWidget::setRevolutionsPerSecond(double revolutions)
{
    revolutionsPerSecond = revolutions;
    updateTimer();
}

int WaitingSpinnerWidget::animationInterval() const
{
    return timer->interval();
}

bool WaitingSpinnerWidget::isAnimating() const
{
    return timer->isActive();
}

void WaitingSpinnerWidget::start()
{
    centreOnParent();
    spinning = true;
    show();
    if (parentWidget() && disableParentWhenSpinning)
        parentWidget()->setEnabled(false);
    // A second start() keeps the running animation where it is.
    if (!timer->isActive()) {
        timer->start();
        currentLine = 0;
    }
}

void WaitingSpinnerWidget::stop()
{
    spinning = false;
    hide();
    if (parentWidget() && disableParentWhenSpinning)
        parentWidget()->setEnabled(true);
    if (timer->isActive()) {
        timer->stop();
        currentLine = 0;
    }
}

void WaitingSpinnerWidget::rotate()
{
    ++currentLine;
    if (currentLine >= lineCount)
        currentLine = 0;
    update();
}

void WaitingSpinnerWidget::paintEvent(QPaintEvent*)
{
    centreOnParent();
    QPainter painter(this);
    painter.fillRect(rect(), QColor(230, 209, 167));
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (currentLine >= lineCount)
        currentLine = 0;
    painter.setPen(Qt::NoPen);
    const QRect bar = SpinnerGeometry::barRect(lineLength, lineWidth);
    for (int i = 0; i < lineCount; ++i) {
        painter.save();
        painter.translate(innerRadius + lineLength, innerRadius + lineLength);
        painter.rotate(SpinnerGeometry::barAngle(i, lineCount));
        painter.translate(innerRadius, 0);
        const int distance = SpinnerGeometry::distance(currentLine, i, lineCount);
        painter.setBrush(SpinnerGeometry::barColor(color, distance, lineCount, trailFadePercent,
                                                   minimumTrailOpacity));
        painter.drawRoundedRect(bar, barCornerRadius, barCornerRadius, Qt::RelativeSize);
        painter.restore();
    }
}

void WaitingSpinnerWidget::updateSize()
{
    const int side = SpinnerGeometry::side(innerRadius, lineLength);
    setFixedSize(side, side);
}

void WaitingSpinnerWidget::updateTimer()
{
    timer->setInterval(SpinnerGeometry::interval(lineCount, revolutionsPerSecond));
}

void WaitingSpinnerWidget::centreOnParent()
{
    QWidget* parent = parentWidget();
    if (parent && centerOnParent)
        move(parent->width() / 2 - width() / 2, parent->height() / 2 - height() / 2);
}
