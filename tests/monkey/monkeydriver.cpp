#include "monkeydriver.h"

#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "datasets/widgets/datasetviewer.h"
#include "monkeyinput.h"
#include "monkeyrandom.h"
#include "monkeytargets.h"
#include "monkeyworld.h"
#include "recording/widgets/recordingvisualization.h"
#include "recording/widgets/recordingwidget.h"
#include "visualization/widgets/glwindow.h"

#include <QApplication>
#include <QDebug>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <algorithm>
#include <iterator>

namespace {
const QSize landscape(1280, 800);
const QSize portrait(800, 1280);

const char* const screenNames[] = {"welcome", "wizard", "recording", "library", "3D view"};

const std::vector<Qt::Key> keys = {
    Qt::Key_A,      Qt::Key_Z,     Qt::Key_0,    Qt::Key_7,     Qt::Key_Period, Qt::Key_Comma,    Qt::Key_Minus,
    Qt::Key_Space,  Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Tab,
    Qt::Key_Left,   Qt::Key_Right, Qt::Key_Up,   Qt::Key_Down,  Qt::Key_Home,   Qt::Key_End,      Qt::Key_PageUp,
    Qt::Key_PageDown, Qt::Key_Back, Qt::Key_Plus, Qt::Key_F1,
};

enum Kind { Control, Tap, Drag, Pinch, Wheel, Key, Rotate, Back, Dismiss, Scanner };
// Most steps touch a control of the screen in front: random points alone seldom get past the
// first screens.
const std::vector<int> kindWeights = {50, 14, 8, 5, 5, 7, 2, 5, 3, 1};
} // namespace

MonkeyDriver::MonkeyDriver(MainWindow& window, MonkeyRandom& random, MonkeyWorld& world, int seconds, bool trace)
    : window(window), random(random), world(world), durationMs(qint64(seconds) * 1000), trace(trace)
{
}

void MonkeyDriver::start()
{
    clock.start();
    schedule(0);
}

void MonkeyDriver::schedule(int ms)
{
    QTimer::singleShot(ms, this, &MonkeyDriver::step);
}

void MonkeyDriver::step()
{
    ++beats;
    QWidget* top = MonkeyTargets::front(&window);
    // QTest's input functions process events: a step that comes in the middle of an action
    // waits for it, unless the action opened a window, whose own event loop now runs.
    if (busy > 0 && top == busyTop) {
        schedule(5);
        return;
    }
    world.tick();
    if (clock.elapsed() >= durationMs) {
        if (closeOne(top) && ++closing < 500)
            schedule(20);
        else
            done = true;
        return;
    }
    schedule(random.between(5, 40));
    observe(top);
    const QPointer<QWidget> outer = busyTop;
    busyTop = top;
    ++busy;
    act(top);
    --busy;
    busyTop = outer;
}

void MonkeyDriver::act(QWidget* top)
{
    switch (random.weighted(kindWeights)) {
    case Control: return activateControl(top);
    case Tap: return tapAnywhere(top);
    case Drag: return drag(top);
    case Pinch: return pinch(top);
    case Wheel: {
        const QPoint at = somewhere(top->rect());
        const int degrees = random.between(-120, 120);
        note("wheel", QStringLiteral("%1 degrees at %2,%3").arg(degrees).arg(at.x()).arg(at.y()));
        return MonkeyInput::wheel(top, at, degrees);
    }
    case Key: {
        const Qt::Key key = random.pick(keys);
        note("key", QStringLiteral("key %1").arg(int(key), 0, 16));
        return MonkeyInput::key(top->windowHandle(), key);
    }
    case Rotate: return rotate();
    case Back: return back(top);
    case Dismiss: return dismiss(top);
    case Scanner: return note("scanner", world.scannerEvent());
    }
}

QPoint MonkeyDriver::somewhere(const QRect& area)
{
    return QPoint(random.between(area.left(), area.right()), random.between(area.top(), area.bottom()));
}

void MonkeyDriver::activateControl(QWidget* top)
{
    const std::vector<MonkeyTargets::Control> controls = MonkeyTargets::controlsOf(top);
    if (controls.empty())
        return tapAnywhere(top);
    const MonkeyTargets::Control& control = random.pick(controls);
    // Near the middle, as a finger would.
    const QRect middle(control.area.center() - QPoint(control.area.width() / 4, control.area.height() / 4),
                       control.area.size() / 2);
    const QPoint at = somewhere(middle.isEmpty() ? control.area : middle);
    const bool touch = random.chance(0.3);
    note("control", control.label);
    if (qobject_cast<QMenu*>(top))
        seen.insert(control.label);
    const QPointer<QWidget> alive(top);
    MonkeyInput::tap(top->windowHandle(), at, touch);
    if (alive && qobject_cast<QLineEdit*>(QApplication::focusWidget()) && random.chance(0.5))
        typeText(alive);
}

void MonkeyDriver::typeText(QWidget* top)
{
    const int length = random.between(1, 6);
    for (int i = 0; i < length && top->isVisible(); ++i)
        MonkeyInput::key(top->windowHandle(), random.pick(keys));
    note("key", QStringLiteral("typed %1 keys").arg(length));
}

void MonkeyDriver::tapAnywhere(QWidget* top)
{
    const QPoint at = somewhere(top->rect());
    const bool touch = random.chance(0.3);
    note("tap", QStringLiteral("%1 at %2,%3 of %4").arg(touch ? "touch" : "click").arg(at.x()).arg(at.y())
                    .arg(MonkeyTargets::describe(top)));
    MonkeyInput::tap(top->windowHandle(), at, touch);
}

void MonkeyDriver::drag(QWidget* top)
{
    const QPoint from = somewhere(top->rect());
    const QPoint to = somewhere(top->rect());
    const Qt::MouseButton button = random.chance(0.8) ? Qt::LeftButton : Qt::RightButton;
    const int steps = random.between(2, 10);
    note("drag", QStringLiteral("%1,%2 to %3,%4").arg(from.x()).arg(from.y()).arg(to.x()).arg(to.y()));
    MonkeyInput::drag(top->windowHandle(), from, to, steps, button);
}

void MonkeyDriver::pinch(QWidget* top)
{
    // Mostly on the 3D view, which zooms and pans with two fingers.
    const GLWindow* view = top->findChild<GLWindow*>();
    const bool onView = view && view->isVisible() && random.chance(0.7);
    const QPoint centre = onView ? view->mapTo(top, view->rect().center()) : somewhere(top->rect());
    const int from = random.between(40, 400);
    const int to = random.between(40, 400);
    note("pinch", QStringLiteral("%1 to %2 at %3,%4").arg(from).arg(to).arg(centre.x()).arg(centre.y()));
    MonkeyInput::pinch(top->windowHandle(), centre, from, to, random.between(2, 8));
}

void MonkeyDriver::rotate()
{
    const QSize size = window.size() == landscape ? portrait : landscape;
    note("rotate", size == landscape ? "landscape" : "portrait");
    window.resize(size);
}

void MonkeyDriver::back(QWidget* top)
{
    if (random.chance(0.3)) {
        note("back", "Back key");
        return MonkeyInput::key(top->windowHandle(), Qt::Key_Back);
    }
    // The bar's button, tapped through the main window: a dialog in front blocks it.
    const QToolButton* button = window.navigationBar()->backButtonWidget();
    note("back", "Back button");
    MonkeyInput::tap(window.windowHandle(), button->mapTo(&window, button->rect().center()), random.chance(0.3));
}

void MonkeyDriver::dismiss(QWidget* top)
{
    if (random.chance(0.5)) {
        note("dismiss", "Escape to " + MonkeyTargets::describe(top));
        return MonkeyInput::key(top->windowHandle(), Qt::Key_Escape);
    }
    if (qobject_cast<QMenu*>(top)) {
        note("dismiss", "tap beside the menu");
        return MonkeyInput::tap(top->windowHandle(), QPoint(-20, -20), false);
    }
    if (top != &window) {
        note("dismiss", "close " + MonkeyTargets::describe(top));
        top->close();
    }
}

bool MonkeyDriver::closeOne(QWidget* top)
{
    if (top == &window) {
        const std::vector<QWidget*> open = MonkeyTargets::openWindows(&window);
        if (open.empty())
            return false;
        top = open.front();
    }
    if (auto* dialog = qobject_cast<QDialog*>(top))
        dialog->reject();
    else
        top->close();
    return true;
}

void MonkeyDriver::observe(QWidget* top)
{
    const int state = window.screenState();
    if (state >= 0 && state < int(std::size(screenNames)))
        seen.insert(QStringLiteral("screen ") + QLatin1String(screenNames[state]));
    if (top != &window)
        seen.insert(QStringLiteral("window ") + QLatin1String(top->metaObject()->className()));
    if (RecordingWidget* recording = window.recordingWidget(); recording && recording->isVisible()) {
        if (RecordingVisualization* view = recording->currentVisualization())
            seen.insert(QStringLiteral("live view ") + view->title() + (recording->isRecording() ? " recording" : ""));
    }
    if (state == MainWindow::Library && !window.datasetLibrary()->selection().isEmpty())
        seen.insert(QStringLiteral("library selection of %1").arg(std::min(2, int(window.datasetLibrary()->selection().size()))));
}

void MonkeyDriver::note(const QString& kind, const QString& what)
{
    ++sent;
    ++counts[kind];
    last = kind + QLatin1String(": ") + what;
    if (trace)
        qInfo().noquote() << sent << last;
}

QStringList MonkeyDriver::reached() const
{
    QStringList list(seen.begin(), seen.end());
    list.sort();
    return list;
}
