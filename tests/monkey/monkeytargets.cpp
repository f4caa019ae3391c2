#include "monkeytargets.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>

namespace MonkeyTargets {

namespace {
bool isControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) || w->inherits("ImageLabel");
}

// The widget is what a tap at its centre reaches, not something over it or clipped away.
bool reachable(QWidget* top, QWidget* w, QPoint centre)
{
    if (!top->rect().contains(centre))
        return false;
    QWidget* hit = top->childAt(centre);
    return hit && (hit == w || w->isAncestorOf(hit));
}

std::vector<Control> menuEntries(QMenu* menu)
{
    std::vector<Control> entries;
    for (QAction* action : menu->actions()) {
        const QRect area = menu->actionGeometry(action);
        if (action->isSeparator() || !action->isVisible() || !action->isEnabled() || area.isEmpty())
            continue;
        entries.push_back({area, QStringLiteral("menu entry '%1'").arg(action->text())});
    }
    return entries;
}

void addRows(QWidget* top, QAbstractItemView* view, std::vector<Control>& controls)
{
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        const QRect rect = view->visualRect(model->index(row, 0, view->rootIndex()));
        const QPoint topLeft = view->viewport()->mapTo(top, rect.topLeft());
        const QRect area(topLeft, rect.size());
        if (!rect.isEmpty() && reachable(top, view->viewport(), area.center()))
            controls.push_back({area, QStringLiteral("row %1 of %2").arg(row).arg(describe(view))});
    }
}
} // namespace

QWidget* front(QWidget* main)
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && qobject_cast<QDialog*>(w))
            return w;
    return main;
}

std::vector<Control> controlsOf(QWidget* top)
{
    if (auto* menu = qobject_cast<QMenu*>(top))
        return menuEntries(menu);
    std::vector<Control> controls;
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (!w->isVisible() || !w->isEnabled() || w->window() != top)
            continue;
        if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
            addRows(top, view, controls);
            continue;
        }
        if (!isControl(w))
            continue;
        const QRect area(w->mapTo(top, QPoint(0, 0)), w->size());
        if (reachable(top, w, area.center()))
            controls.push_back({area, describe(w)});
    }
    return controls;
}

std::vector<QWidget*> openWindows(const QWidget* main)
{
    std::vector<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != main && w->isVisible() && w->windowType() != Qt::ToolTip)
            open.push_back(w);
    return open;
}

QString describe(const QWidget* widget)
{
    QString text;
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    if (text.isEmpty())
        text = widget->objectName();
    return QStringLiteral("%1 '%2'").arg(QString::fromLatin1(widget->metaObject()->className()), text);
}

} // namespace MonkeyTargets
