#pragma once

#include <QPoint>
#include <Qt>

class QWidget;
class QWindow;

// Raw input as the window system would deliver it: through the window, so that modality,
// popups and the widget under the point decide who gets it. Positions are in the coordinates
// of `window`.
namespace MonkeyInput {

void tap(QWindow* window, QPoint at, bool touch);
void drag(QWindow* window, QPoint from, QPoint to, int steps, Qt::MouseButton button);
// Two fingers around `centre`, from `startGap` to `endGap` apart.
void pinch(QWindow* window, QPoint centre, int startGap, int endGap, int steps);
// Turned over the widget under `at` in `top` (the window system API for wheels is private).
void wheel(QWidget* top, QPoint at, int degrees);
void key(QWindow* window, Qt::Key key);

} // namespace MonkeyInput
