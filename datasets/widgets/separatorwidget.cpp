#include "datasets/widgets/separatorwidget.h"

#include <QPainter>

SeparatorWidget::SeparatorWidget(QWidget* parent)
    : QWidget(parent)
{
    setFixedHeight(5);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SeparatorWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(0, 1, width(), 3, QColor(86, 86, 87));
}
