#include "recording/widgets/walkingdirectionpainterwidget.h"

#include "recording/walkingdirectiongeometry.h"

#include <QMouseEvent>
#include <QPainter>

namespace G = WalkingDirectionGeometry;

WalkingDirectionPainterWidget::WalkingDirectionPainterWidget(int& corner, bool parallel, QWidget* parent)
    : QWidget(parent)
    , corner(corner)
    , parallel(parallel)
    , upArrow(QStringLiteral(":res/images/new/upArrow.png"))
    , downArrow(QStringLiteral(":res/images/new/downArrow.png"))
{
    const G::Margins m = G::margins(size());
    marginX = m.x;
    marginY = m.y;
}

void WalkingDirectionPainterWidget::setParallel(bool value)
{
    parallel = value;
    update();
}

void WalkingDirectionPainterWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const G::Margins m = G::margins(event->size());
    marginX = m.x;
    marginY = m.y;
}

void WalkingDirectionPainterWidget::paintEvent(QPaintEvent*)
{
    const int w = width();
    const int h = height();
    const G::Margins m{marginX, marginY};
    const QColor dark(98, 98, 98);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(dark, G::penWidth, Qt::SolidLine));

    const int step = G::trackStep(size(), m);
    for (int i = 0; i <= G::trackCount; ++i)
        painter.drawLine(m.x + i * step, h - m.y, m.x + i * step, m.y);
    painter.drawLine(m.x, m.y, w - m.x, m.y);
    painter.drawLine(m.x, h - m.y, w - m.x, h - m.y);

    const auto down = G::arrowsPointDown(corner, parallel);
    for (int k = 0; k < G::trackCount; ++k)
        painter.drawPixmap(G::arrowRect(k, size(), m), down[k] ? downArrow : upArrow);

    const int r = G::cornerRadius(m);
    if (r <= 0)
        return;
    const auto centres = G::cornerCentres(size(), m);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(198, 198, 198));
    for (const QPoint& centre : centres)
        painter.drawEllipse(centre, r, r);
    if (corner >= 0 && corner < 4) {
        const int dot = int(r * 0.66);
        painter.setBrush(dark);
        painter.drawEllipse(centres[corner], dot, dot);
    }
}

void WalkingDirectionPainterWidget::mousePressEvent(QMouseEvent* event)
{
    corner = G::hitCorner(event->pos(), size(), {marginX, marginY}, corner);
    emit indexChanged(corner);
    update();
}
