#pragma once

#include <QRect>
#include <QString>
#include <vector>

class QWidget;

// What an operator could touch next: the window in front and the controls it shows.
namespace MonkeyTargets {

struct Control
{
    QRect area;       // in the coordinates of the window in front
    QString label;    // for the trace and the coverage list
};

// The open popup, else the modal dialog, else another visible dialog, else `main`.
QWidget* front(QWidget* main);
// The enabled controls of `top` that a finger could reach: buttons, sliders, check boxes,
// line edits, list rows, tile pictures, and a menu's entries.
std::vector<Control> controlsOf(QWidget* top);
// Every visible window besides `main` (tool tips aside).
std::vector<QWidget*> openWindows(const QWidget* main);
QString describe(const QWidget* widget);

} // namespace MonkeyTargets
