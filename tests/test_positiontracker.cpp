#include "app/appsettings.h"
#include "app/devices/positiontracker.h"
#include "testenvironment.h"

#include <QNmeaPositionInfoSource>

namespace {
// A receiver's serial line: what is fed in becomes readable, announced by readyRead.
class SerialFeed : public QIODevice
{
public:
    explicit SerialFeed(QObject* parent) : QIODevice(parent) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return pending.contains('\n') || QIODevice::canReadLine(); }
    void feed(const QByteArray& bytes)
    {
        pending += bytes;
        emit readyRead();
    }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = std::min<qint64>(max, pending.size());
        memcpy(data, pending.constData(), size_t(n));
        pending.remove(0, int(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray pending;
};
} // namespace

class PositionTrackerTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { PositionTracker::setSourceFactory(nullptr); }

    void positioningFromAnInjectedSource()
    {
        int made = 0;
        QGeoPositionInfoSource* last = nullptr;
        QFile nmea(QFINDTESTDATA("data/fix.nmea"));
        QVERIFY(nmea.open(QIODevice::ReadOnly));
        const QByteArray sentences = nmea.readAll();
        PositionTracker::setSourceFactory([&made, &last, sentences](QObject* parent) -> QGeoPositionInfoSource* {
            ++made;
            auto* source = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent);
            auto* device = new SerialFeed(source);
            source->setDevice(device);
            // The receiver starts talking once updates were asked for.
            QTimer::singleShot(50, device, [device, sentences] { device->feed(sentences); });
            last = source;
            return source;
        });
        PositionTracker tracker;
        QSignalSpy active(&tracker, &PositionTracker::activeChanged);
        QSignalSpy failed(&tracker, &PositionTracker::failed);
        currentPosition = QGeoCoordinate(0, 0);
        tracker.toggle();
        QVERIFY(tracker.isActive());
        // Updates are asked for every 10 s; the first fix arrives on that tick.
        QTRY_COMPARE_WITH_TIMEOUT(qRound(currentPosition.latitude() * 1000), 52500, 15000);
        QCOMPARE(qRound(currentPosition.longitude() * 1000), 13375);

        tracker.toggle();                           // pressed twice: stops
        QVERIFY(!tracker.isActive());
        QCOMPARE(made, 1);
        tracker.toggle();                           // the same source again
        QCOMPARE(made, 1);
        emit last->error(QGeoPositionInfoSource::ClosedError);
        QVERIFY(!tracker.isActive());
        QCOMPARE(active.last()[0].toBool(), false);
        QCOMPARE(failed.size(), 1);
        QCOMPARE(failed[0][0].toString(), QString("Positioning backend closed connection"));
        tracker.toggle();                           // after an error: a new source
        QCOMPARE(made, 2);
        tracker.toggle();
    }

    void errorReasons()
    {
        QGeoPositionInfoSource* last = nullptr;
        PositionTracker::setSourceFactory([&last](QObject* parent) {
            last = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent);
            return last;
        });
        PositionTracker tracker;
        QSignalSpy failed(&tracker, &PositionTracker::failed);
        tracker.toggle();
        emit last->error(QGeoPositionInfoSource::AccessError);
        tracker.toggle();
        emit last->error(QGeoPositionInfoSource::UnknownSourceError);
        // Stopped by the error: a further one is ignored.
        emit last->error(QGeoPositionInfoSource::ClosedError);
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed[0][0].toString(), QString("Sorvanel3D does not have the required priviliges"));
        QCOMPARE(failed[1][0].toString(), QString("Unknown error"));
    }

    void noSourceAtAll()
    {
        PositionTracker::setSourceFactory([](QObject*) { return nullptr; });
        PositionTracker tracker;
        QSignalSpy unavailable(&tracker, &PositionTracker::sourceUnavailable);
        QSignalSpy active(&tracker, &PositionTracker::activeChanged);
        tracker.toggle();
        QVERIFY(!tracker.isActive());
        QCOMPARE(unavailable.size(), 1);
        QCOMPARE(active.size(), 1);
        QCOMPARE(active[0][0].toBool(), false);
    }
};

SORVANEL_TEST_MAIN(PositionTrackerTest)
#include "test_positiontracker.moc"
