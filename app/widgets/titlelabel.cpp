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
    return fontMetrics().elidedText(onOneLine(text()), Qt::ElideRight, contentsRect().width());
}

void TitleLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(contentsRect(), int(alignment()) | Qt::TextSingleLine, shownText());
}
