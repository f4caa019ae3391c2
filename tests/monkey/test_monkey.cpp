#include "acquisition/devices/probefactory.h"
#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "monkeyconfig.h"
#include "monkeydatasets.h"
#include "monkeydriver.h"
#include "monkeyrandom.h"
#include "monkeytargets.h"
#include "monkeyworld.h"
#include "testenvironment.h"

#include <QLoggingCategory>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>

namespace {
MonkeyConfig config;

// Aborts the run, naming its seed, when no step has come for a long time: the program hangs.
class Watchdog
{
public:
    explicit Watchdog(const std::atomic<int>& heartbeat) : thread([this, &heartbeat] { watch(heartbeat); }) {}
    ~Watchdog()
    {
        {
            std::lock_guard<std::mutex> lock(mutex);
            stopped = true;
        }
        wake.notify_all();
        thread.join();
    }

private:
    void watch(const std::atomic<int>& heartbeat)
    {
        std::unique_lock<std::mutex> lock(mutex);
        int seen = heartbeat.load();
        while (!wake.wait_for(lock, std::chrono::seconds(90), [this] { return stopped; })) {
            if (heartbeat.load() == seen) {
                std::fprintf(stderr, "monkey: no step for 90 s, the program hangs (seed %llu)\n",
                             static_cast<unsigned long long>(config.seed));
                std::abort();
            }
            seen = heartbeat.load();
        }
    }

    std::mutex mutex;
    std::condition_variable wake;
    bool stopped = false;
    std::thread thread;
};

void seedLibrary(MonkeyRandom& random)
{
    const int families[] = {170, 1, 2, 11};
    for (int i = 0; i < 4; ++i)
        MonkeyDatasets::store(random, families[i], QStringLiteral("Field %1").arg(i + 1));
    libraryDirty = true;
}

void report(const MonkeyDriver& driver)
{
    qInfo().noquote() << "monkey seed" << config.seed << "seconds" << config.seconds << "events" << driver.events();
    for (auto it = driver.kinds().begin(); it != driver.kinds().end(); ++it)
        qInfo().noquote() << "  " << it.key() << it.value();
    qInfo().noquote() << "monkey reached:" << driver.reached().join(QStringLiteral("; "));
}
} // namespace

class MonkeyTest : public QObject
{
    Q_OBJECT
private slots:
    void randomInputLeavesWholeDatasetsAndNoWindowOpen()
    {
        qInfo().noquote() << "monkey seed" << config.seed << "for" << config.seconds << "s";
        MonkeyRandom random(config.seed);
        // The Z-Series offers all three live views.
        MonkeyWorld world(random, 1, random.chance(0.5));
        seedLibrary(random);
        {
            MainWindow window;
            window.resize(1280, 800);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            MonkeyDriver driver(window, random, world, config.seconds, config.trace);
            {
                Watchdog watchdog(driver.heartbeat());
                driver.start();
                QVERIFY(QTest::qWaitFor([&driver] { return driver.finished(); }, (config.seconds + 120) * 1000));
            }
            report(driver);
            for (auto it = world.counts.begin(); it != world.counts.end(); ++it)
                qInfo().noquote() << "  " << it.key() << it.value();
            QStringList open;
            for (QWidget* w : MonkeyTargets::openWindows(&window))
                open << MonkeyTargets::describe(w);
            QVERIFY2(open.isEmpty(), qPrintable("left open: " + open.join(", ")));
            QVERIFY(!QApplication::activeModalWidget());
            QVERIFY(!QApplication::activePopupWidget());
        }
        const QStringList broken = MonkeyDatasets::broken();
        QVERIFY2(broken.isEmpty(), qPrintable(QString::number(config.seed) + ": " + broken.join("\n")));
    }
};

int main(int argc, char* argv[])
{
    config = MonkeyConfig::fromArguments(argc, argv);
    TestSupport::prepareProcess();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestSupport::prepareApplication();
    // A long run logs far beyond QtTest's 2000 messages, and the counts come last. The
    // program's debug lines only with the trace.
    if (!config.trace)
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QStringList arguments = QCoreApplication::arguments();
    if (!arguments.contains(QStringLiteral("-maxwarnings")))
        arguments << QStringLiteral("-maxwarnings") << QStringLiteral("0");
    MonkeyTest test;
    return QTest::qExec(&test, arguments);
}

#include "test_monkey.moc"
