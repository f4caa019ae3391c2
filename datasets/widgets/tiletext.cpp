#include "datasets/widgets/tiletext.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QStringList>

namespace {
// A text document's margin around its text.
constexpr qreal documentMargin = 4;
// What a Qt text box asks for, so that the tile shares its width out as before.
const QSize preferredSize(256, 192);
const QSize smallestSize(42, 41);
} // namespace

TileText::TileText(std::vector<Line> textLines, int height, QWidget* parent)
    : QWidget(parent)
{
    // A newline inside a text starts a line of its own, in the same font, as in a text box.
    for (Line& line : textLines)
        for (const QString& part : line.text.split(QLatin1Char('\n')))
            lines.push_back({part, line.font});
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFixedHeight(height);
}

QString TileText::text() const
{
    QStringList texts;
    for (const Line& line : lines)
        texts.append(line.text);
    return texts.join(QLatin1Char('\n'));
}

bool TileText::fits() const
{
    for (const Line& line : lines)
        if (QFontMetricsF(line.font).horizontalAdvance(line.text) > width() - 2 * documentMargin)
            return false;
    return true;
}

QSize TileText::sizeHint() const
{
    return preferredSize;
}

QSize TileText::minimumSizeHint() const
{
    return smallestSize;
}

void TileText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    qreal top = documentMargin;
    for (const Line& line : lines) {
        const QFontMetricsF metrics(line.font);
        painter.setFont(line.font);
        const QString shown = metrics.elidedText(line.text, Qt::ElideRight, width() - 2 * documentMargin);
        painter.drawText(QPointF(documentMargin, top + metrics.ascent()), shown);
        top += metrics.height();
    }
}
