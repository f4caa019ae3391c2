#include "monkeyinput.h"

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <QTouchDevice>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>

namespace MonkeyInput {

namespace {
QTouchDevice* touchScreen()
{
    static QTouchDevice* device = QTest::createTouchDevice();
    return device;
}

QPoint between(QPoint a, QPoint b, int step, int steps)
{
    return a + (b - a) * step / steps;
}
} // namespace

void tap(QWindow* window, QPoint at, bool touch)
{
    // Watched from before the press: the press may close or replace the window (a popup, a
    // dialog).
    QPointer<QWindow> alive(window);
    if (!touch) {
        QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, at);
        if (alive)
            QTest::mouseRelease(alive, Qt::LeftButton, Qt::NoModifier, at);
        return;
    }
    QTest::touchEvent(window, touchScreen()).press(0, at, window);
    if (alive)
        QTest::touchEvent(alive, touchScreen()).release(0, at, alive);
}

void drag(QWindow* window, QPoint from, QPoint to, int steps, Qt::MouseButton button)
{
    QPointer<QWindow> alive(window);
    QTest::mousePress(window, button, Qt::NoModifier, from);
    for (int i = 1; i <= steps && alive; ++i)
        QTest::mouseMove(alive, between(from, to, i, steps));
    if (alive)
        QTest::mouseRelease(alive, button, Qt::NoModifier, to);
}

void pinch(QWindow* window, QPoint centre, int startGap, int endGap, int steps)
{
    QPointer<QWindow> alive(window);
    const QPoint half(startGap / 2, 0);
    QTest::touchEvent(window, touchScreen()).press(0, centre - half, window).press(1, centre + half, window);
    QPoint a = centre - half;
    QPoint b = centre + half;
    for (int i = 1; i <= steps && alive; ++i) {
        const QPoint gap(between(QPoint(startGap, 0), QPoint(endGap, 0), i, steps).x() / 2, i * 3);
        a = centre - gap;
        b = centre + gap;
        QTest::touchEvent(alive, touchScreen()).move(0, a, alive).move(1, b, alive);
    }
    if (alive)
        QTest::touchEvent(alive, touchScreen()).release(0, a, alive).release(1, b, alive);
}

void wheel(QWidget* top, QPoint at, int degrees)
{
    QWidget* target = top->childAt(at);
    if (!target)
        target = top;
    const QPoint local = target->mapFrom(top, at);
    QWheelEvent event(local, target->mapToGlobal(local), QPoint(), QPoint(0, degrees * 8), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void key(QWindow* window, Qt::Key key)
{
    QPointer<QWindow> alive(window);
    QTest::keyPress(window, key);
    // Escape may have closed a menu and taken its window with it.
    if (alive)
        QTest::keyRelease(alive, key);
}

} // namespace MonkeyInput
