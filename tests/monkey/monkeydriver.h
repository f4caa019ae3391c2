#pragma once

#include <QElapsedTimer>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <atomic>

class MainWindow;
class MonkeyRandom;
class MonkeyWorld;
class QWidget;

// Sends random input to the window in front, one action per step, for a given time, then
// closes every menu and dialog it left open. Steps come from single-shot timers, so that
// they go on inside the event loops of the dialogs and menus the actions open.
class MonkeyDriver : public QObject
{
    Q_OBJECT
public:
    MonkeyDriver(MainWindow& window, MonkeyRandom& random, MonkeyWorld& world, int seconds, bool trace);

    void start();
    bool finished() const { return done; }
    int events() const { return sent; }
    const QMap<QString, int>& kinds() const { return counts; }
    // Screens, windows, live views and menu entries the run came to.
    QStringList reached() const;
    // Bumped by every step; a watchdog sees a hang when it stands still.
    const std::atomic<int>& heartbeat() const { return beats; }
    QString lastAction() const { return last; }

private:
    void schedule(int ms);
    void step();
    void act(QWidget* top);
    void activateControl(QWidget* top);
    void typeText(QWidget* top);
    void tapAnywhere(QWidget* top);
    void drag(QWidget* top);
    void pinch(QWidget* top);
    void rotate();
    void back(QWidget* top);
    void dismiss(QWidget* top);
    // Closes one open menu or window; false when none is left.
    bool closeOne(QWidget* top);
    void observe(QWidget* top);
    void note(const QString& kind, const QString& what);
    QPoint somewhere(const QRect& area);

    MainWindow& window;
    MonkeyRandom& random;
    MonkeyWorld& world;
    const qint64 durationMs;
    const bool trace;
    QElapsedTimer clock;
    bool done = false;
    int sent = 0;
    int closing = 0;
    int busy = 0;
    QPointer<QWidget> busyTop;
    QMap<QString, int> counts;
    QSet<QString> seen;
    QString last;
    std::atomic<int> beats{0};
};
