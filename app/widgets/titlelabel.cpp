#include "app/widgets/titlelabel.h"

#include <QPainter>

namespace {
// Line and paragraph breaks would start new lines; on one line they read as blanks.
QString onOneLine(QString text)
{
    for (QChar& c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return text;
}
} // namespace

TitleLabel::TitleLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

QSize TitleLabel::sizeHint() const
{
    // As wide as the name, but never wider than a short title asks for: the rest is elided.
    const QFontMetrics metrics = fontMetrics();
    const int width = std::min(metrics.horizontalAdvance(onOneLine(text())),
                               metrics.horizontalAdvance(QLatin1Char('x')) * 24);
    return QSize(width, metrics.height()).grownBy(contentsMargins());
}

QSize TitleLabel::minimumSizeHint() const
{
    return QSize(0, fontMetrics().height()).grownBy(contentsMargins());
}

QString TitleLabel::shownText() const
{
    const QString line = onOneLine(text());
    const QFontMetrics metrics = fontMetrics();
    const int width = contentsRect().width();
    if (metrics.horizontalAdvance(line) <= width || contentsRect().height() < 2 * metrics.lineSpacing())
        return metrics.elidedText(line, Qt::ElideRight, width);
    // A narrow bar at a high density: a second line, broken at the last blank that fits,
    // rather than a name cut to its first letters.
    int cut = line.lastIndexOf(QLatin1Char(' '));
    while (cut > 0 && metrics.horizontalAdvance(line.left(cut)) > width)
        cut = line.lastIndexOf(QLatin1Char(' '), cut - 1);
    if (cut <= 0)
        return metrics.elidedText(line, Qt::ElideRight, width);
    return line.left(cut) + QLatin1Char('\n') + metrics.elidedText(line.mid(cut + 1), Qt::ElideRight, width);
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()), shownText());
}
