// Link soak: the program's scanner link, probe session and recorder against the simulator,
// behind a relay that cycles through silence, garbage, short messages and a closed
// connection, each followed by the stream coming back. Checks that every time-out is
// reported once, that the session reconnects when asked, that a dataset is recorded and saved
// after each recovery and that the resident size stays flat.
// sorvanel-soak [SECONDS [ALLOWED_GROWTH_KB]]; run it with a scratch HOME (scripts/soak.sh).
#include "faultrelay.h"
#include "scannersimulator.h"

#include "acquisition/devices/datarecorder.h"
#include "acquisition/devices/probeinterface.h"
#include "app/appsettings.h"
#include "app/devices/probesession.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <memory>

namespace {
using Fault = FaultRelay::Fault;

struct Phase
{
    const char* name;
    Fault fault;
    bool timesOut; // the link must report exactly one time-out
};

// Every fault is followed by the stream coming back in the next phase.
const Phase cycle[] = {
    {"normal", Fault::None, false},  {"silence", Fault::Silence, true}, {"normal", Fault::None, false},
    {"garbage", Fault::Garbage, false}, {"short", Fault::Short, false}, {"normal", Fault::None, false},
    {"closing", Fault::Close, true},
};

// A time-out takes up to three silent watchdog ticks after the last chunk.
constexpr int timeOutWithinMs = 10000;
constexpr int quietAfterTimeOutMs = 3000;
constexpr int identifiedWithinMs = 10000;
constexpr int trackWithinMs = 10000;

// AddressSanitizer keeps freed memory in quarantine, so under it the resident size grows
// by design and only crashes and reports count.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool residentSizeIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool residentSizeIsMeaningful = false;
#else
constexpr bool residentSizeIsMeaningful = true;
#endif
#else
constexpr bool residentSizeIsMeaningful = true;
#endif

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

void runFor(int ms)
{
    waitUntil([] { return false; }, ms);
}

class Soak
{
public:
    explicit Soak(FaultRelay& relay)
        : relay(relay)
    {
        QObject::connect(&session, &ProbeSession::failed, [this](const QString& reason) {
            ++failures;
            std::printf("  reported: %s\n", qPrintable(reason));
        });
    }

    // Empty when the phase went as it must, else what went wrong.
    QString run(const Phase& phase)
    {
        relay.setFault(phase.fault);
        const int failuresBefore = failures;
        if (phase.timesOut) {
            if (!waitUntil([&] { return failures > failuresBefore; }, timeOutWithinMs))
                return QStringLiteral("no time-out reported");
            runFor(quietAfterTimeOutMs);
            return failures == failuresBefore + 1 ? QString() : QStringLiteral("time-out reported more than once");
        }
        if (!session.probe()) {
            session.connectToScanner();
            if (!waitUntil([&] { return session.probe() != nullptr; }, identifiedWithinMs))
                return QStringLiteral("did not reconnect");
            ++recoveries;
        }
        const QString recorded = recordDataset();
        if (!recorded.isEmpty())
            return recorded;
        return failures == failuresBefore ? QString() : QStringLiteral("a time-out while the stream flowed");
    }

    int failures = 0;
    int recoveries = 0;
    int datasets = 0;

private:
    QString recordDataset()
    {
        ProbeInterface* probe = session.probe();
        std::unique_ptr<Dataset> dataset(probe->createDataset());
        DataRecorder* recorder = probe->recorder();
        recorder->setDataset(dataset.get());
        recorder->startRecording();
        const bool tracked = waitUntil(
            [&] { return session.probe() == probe && dataset->getProperty("columns").toInt() >= 1; }, trackWithinMs);
        if (session.probe() != probe)
            return QStringLiteral("the probe was released while recording");
        recorder->stopRecording();
        recorder->setDataset(nullptr);
        if (!tracked)
            return QStringLiteral("no track recorded");
        if (!dataset->save())
            return QStringLiteral("the dataset was not saved");
        ++datasets;
        return {};
    }

    FaultRelay& relay;
    ProbeSession session;
};
} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const int seconds = argc > 1 ? QByteArray(argv[1]).toInt() : 600;
    const long allowedGrowthKb = argc > 2 ? QByteArray(argv[2]).toLong() : 16384;
    openAppSettings(defaultSettingsPath());

    // The tests' fast walk: a track in 0.9 s, so every phase records within a few seconds.
    ScannerSimulator::Options options;
    options.port = 0;
    options.probeId = 2;
    options.intervalMs = 15;
    options.battery = 1;
    options.batteryDrainSeconds = 0;
    options.trackSeconds = 0.9;
    options.stopSeconds = 0.45;
    ScannerSimulator simulator(options);
    if (!simulator.start())
        return std::printf("soak: simulator: %s\n", qPrintable(simulator.errorString())), 2;
    FaultRelay relay(simulator.port());
    if (!relay.listen())
        return std::printf("soak: the relay cannot listen\n"), 2;
    Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
    Settings::scannerPort.write(relay.port());

    Soak soak(relay);
    QElapsedTimer elapsed;
    elapsed.start();
    long startKb = 0;
    int phases = 0;
    while (elapsed.elapsed() < qint64(seconds) * 1000) {
        const Phase& phase = cycle[phases % std::size(cycle)];
        std::printf("%5.1f s %s\n", double(elapsed.elapsed()) / 1000.0, phase.name);
        std::fflush(stdout);
        const QString failure = soak.run(phase);
        if (!failure.isEmpty())
            return std::printf("soak: FAILED in phase %d (%s): %s\n", phases, phase.name, qPrintable(failure)), 1;
        // The first whole cycle warms up the allocator and Qt's caches.
        if (++phases == int(std::size(cycle)))
            startKb = residentKb();
    }
    const long endKb = residentKb();
    std::printf("soak: %d s, %d phases, %d time-outs reported, %d reconnects, %d datasets saved, "
                "resident %ld kB after the first cycle, %ld kB at the end\n",
                seconds, phases, soak.failures, soak.recoveries, soak.datasets, startKb, endKb);
    if (residentSizeIsMeaningful && startKb > 0 && endKb - startKb > allowedGrowthKb)
        return std::printf("soak: FAILED: resident size grew by %ld kB\n", endKb - startKb), 1;
    return 0;
}
