#include "layoutrules.h"

#include "app/widgets/titlelabel.h"
#include "datasets/widgets/tiletext.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

namespace LayoutRules {
namespace {
QString describe(const QWidget* w)
{
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        text = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(w))
        text = label->text();
    return QStringLiteral("%1 \"%2\" %3").arg(QLatin1String(w->metaObject()->className()), text.left(30),
                                              w->objectName());
}

QString size(const QRect& r)
{
    return QStringLiteral("%1x%2").arg(r.width()).arg(r.height());
}

bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QSlider*>(w)
           || qobject_cast<const QLineEdit*>(w);
}

// On screen: every ancestor up to the window visible.
bool shown(const QWidget* w, const QWidget& window)
{
    return w->isVisibleTo(&window) && !w->size().isEmpty();
}

QRect inWindow(const QWidget* w, const QWidget& window)
{
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

// What shows of a widget: inside a scroll area, only the part in its viewport. A scroll area
// that never scrolls sideways must hold the widget's whole width.
QRect visiblePart(const QWidget* w, const QWidget& window, bool* scrolled, bool* cutSideways)
{
    const QRect whole = inWindow(w, window);
    QRect r = whole;
    *scrolled = false;
    *cutSideways = false;
    for (const QWidget* p = w->parentWidget(); p && p != &window; p = p->parentWidget()) {
        if (const auto* area = qobject_cast<const QAbstractScrollArea*>(p)) {
            const QRect viewport = inWindow(area->viewport(), window);
            r &= viewport;
            *scrolled = true;
            if (area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff
                && (whole.left() < viewport.left() || whole.right() > viewport.right()))
                *cutSideways = true;
        }
    }
    return r;
}

// QSlider keeps the option it paints with to itself.
struct SliderOption : QSlider
{
    static QStyleOptionSlider of(const QSlider* slider)
    {
        QStyleOptionSlider option;
        (slider->*(&SliderOption::initStyleOption))(&option);
        return option;
    }
};

void checkControl(const QWidget* w, double dpi, QStringList& out)
{
    const int finger = int(0.3 * dpi);
    if (std::min(w->width(), w->height()) < finger)
        out << describe(w) + " is " + size(w->rect()) + ", under 0.3 inch";
    if (const auto* slider = qobject_cast<const QSlider*>(w)) {
        const QStyleOptionSlider option = SliderOption::of(slider);
        const QRect handle = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
        if (slider->width() < int(1.5 * dpi))
            out << describe(w) + " groove " + QString::number(slider->width()) + " px, under 1.5 inches";
        if (std::min(handle.width(), handle.height()) < int(0.35 * dpi))
            out << describe(w) + " handle " + size(handle) + ", under 0.35 inch";
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const int side = std::min(button->width(), button->height());
        if (!button->icon().isNull() && std::max(button->iconSize().width(), button->iconSize().height()) * 3 < side)
            out << describe(w) + " icon " + QString::number(button->iconSize().width()) + " px in " + size(button->rect());
    }
}

void checkLabel(const QLabel* label, QStringList& out)
{
    // The title elides what does not fit on its two lines.
    if (const auto* title = qobject_cast<const TitleLabel*>(label)) {
        if (title->shownText().contains(QChar(0x2026)))
            out << describe(label) + " shows \"" + title->shownText() + "\"";
        return;
    }
    if (label->text().isEmpty() || label->wordWrap() || label->textFormat() == Qt::RichText)
        return;
    const int needed = label->fontMetrics().horizontalAdvance(label->text().split('\n').first());
    if (needed > label->contentsRect().width())
        out << describe(label) + " needs " + QString::number(needed) + " px, has "
                   + QString::number(label->contentsRect().width());
}
} // namespace

QStringList violations(const QWidget& window, const QRect& screen, double dpi, const QString& where)
{
    QStringList out;
    if (window.frameGeometry().width() > screen.width() || window.frameGeometry().height() > screen.height())
        out << "window " + size(window.frameGeometry()) + " beyond the screen " + size(screen);
    const QRect area = window.rect();
    std::vector<const QWidget*> controls;
    std::vector<QRect> visibleRects;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!shown(w, window) || w->isWindow())
            continue;
        bool scrolled = false;
        bool cutSideways = false;
        const QRect r = visiblePart(w, window, &scrolled, &cutSideways);
        if (r.isEmpty())
            continue;
        if (cutSideways)
            out << describe(w) + " " + size(inWindow(w, window)) + " cut at the side of its scroll area";
        if (!scrolled && !area.contains(r))
            out << describe(w) + " at " + QString::number(r.x()) + "," + QString::number(r.y()) + " " + size(r)
                       + " outside the window " + size(area);
        if (const auto* label = qobject_cast<const QLabel*>(w))
            checkLabel(label, out);
        if (const auto* tileText = qobject_cast<const TileText*>(w); tileText && !tileText->fits())
            out << "TileText \"" + tileText->text().left(30) + "\" " + size(tileText->rect()) + " cuts its text";
        if (isControl(w)) {
            checkControl(w, dpi, out);
            controls.push_back(w);
            visibleRects.push_back(r);
        }
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (visibleRects[i].intersects(visibleRects[j])
                && !controls[i]->isAncestorOf(controls[j]) && !controls[j]->isAncestorOf(controls[i]))
                out << describe(controls[i]) + " overlaps " + describe(controls[j]);
    for (QString& line : out)
        line.prepend(where + ": ");
    return out;
}

} // namespace LayoutRules
