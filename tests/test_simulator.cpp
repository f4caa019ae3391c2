#include "acquisition/xtea.h"
#include "surveyfield.h"
#include "testenvironment.h"

#include <QTcpSocket>
#include <algorithm>

namespace {
// An in-process scanner and a connection to it that keeps every chunk as it was read.
struct Receiver
{
    explicit Receiver(const ScannerSimulator::Options& options)
        : scanner(options)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { chunks.append(socket.readAll()); });
        socket.connectToHost(QHostAddress::LocalHost, scanner.port());
    }
    TestSupport::InProcessScanner scanner;
    QTcpSocket socket;
    QList<QByteArray> chunks;
};

ScannerSimulator::Options messageEvery(int intervalMs)
{
    ScannerSimulator::Options options;
    options.intervalMs = intervalMs;
    return options;
}

qint32 reading(const QByteArray& plain)
{
    const qint32 raw = (std::uint8_t(plain[4]) << 16) | (std::uint8_t(plain[5]) << 8) | std::uint8_t(plain[6]);
    return raw >= 0x800000 ? raw - 0x1000000 : raw;
}
} // namespace

class SimulatorTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void sendsEncipheredBrolSensorMessages()
    {
        Receiver receiver(messageEvery(20));
        QTRY_VERIFY_WITH_TIMEOUT(receiver.chunks.size() >= 10, 5000);
        for (QByteArray chunk : receiver.chunks) {
            QCOMPARE(chunk.size(), 18);
            QCOMPARE(std::uint8_t(chunk[0]), std::uint8_t(170));
            QVERIFY(isEnciphered(chunk));
            decipherPayload(chunk);
            QCOMPARE(int(chunk[3]), 87);                       // battery
            QCOMPARE(chunk.mid(10, 6), QByteArray::fromHex("000000000001"));
            QCOMPARE(reading(chunk) % 256, 0);                 // a 16-bit value scaled to 24 bits
        }
    }

    void plainModeAndProbeId()
    {
        ScannerSimulator::Options options = messageEvery(20);
        options.encipher = false;
        options.probeId = 21;
        Receiver receiver(options);
        QTRY_VERIFY_WITH_TIMEOUT(receiver.chunks.size() >= 3, 5000);
        QCOMPARE(std::uint8_t(receiver.chunks[0][0]), std::uint8_t(21));
        QVERIFY(!isEnciphered(receiver.chunks[0]));
    }

    void silentAfterKeepsTheConnection()
    {
        ScannerSimulator::Options options = messageEvery(10);
        options.silentAfter = 5;
        Receiver receiver(options);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.chunks.size(), 5, 5000);
        // Twenty intervals later nothing more has come.
        QVERIFY(!QTest::qWaitFor([&] { return receiver.chunks.size() > 5; }, 200));
        QCOMPARE(receiver.chunks.size(), 5);
        QCOMPARE(receiver.socket.state(), QAbstractSocket::ConnectedState);
    }

    void closeAfterDropsTheConnection()
    {
        ScannerSimulator::Options options = messageEvery(10);
        options.closeAfter = 4;
        Receiver receiver(options);
        QTRY_COMPARE_WITH_TIMEOUT(receiver.socket.state(), QAbstractSocket::UnconnectedState, 5000);
        QCOMPARE(receiver.chunks.join().size(), 4 * 18);
    }

    void faultModesSpoilEveryThirdMessage()
    {
        ScannerSimulator::Options options;
        options.shortMessages = true;
        ScannerSimulator shortSim(options);
        for (int i = 0; i < 30; ++i) {
            const QByteArray message = shortSim.messageAt(i);
            QCOMPARE(message.size() < 18, i % 3 == 2);
            QVERIFY(!message.isEmpty());
            QCOMPARE(std::uint8_t(message[0]), std::uint8_t(170));
        }
        options.shortMessages = false;
        options.garbage = true;
        options.encipher = false;
        ScannerSimulator garbageSim(options);
        int spoiled = 0;
        for (int i = 0; i < 30; ++i) {
            const QByteArray message = garbageSim.messageAt(i);
            QCOMPARE(message.size(), 18);
            spoiled += message.mid(10, 6) != QByteArray::fromHex("000000000001") ? 1 : 0;
        }
        QVERIFY(spoiled >= 8 && spoiled <= 10);
    }

    void surveyRisesAndFallsOverBuriedObjects()
    {
        SurveyField field;
        // Over the whole walk (six tracks of eight seconds and their stops) the objects stand out of the ground.
        double lowest = 1e9, highest = -1e9;
        for (double t = 0; t < 60.0; t += 0.04) {
            lowest = std::min(lowest, field.readingAt(t));
            highest = std::max(highest, field.readingAt(t));
        }
        QVERIFY(highest - lowest > 2000);
        QVERIFY(lowest < field.baseline() - 1000);   // the cavity
        QVERIFY(highest > field.baseline() + 4000);  // the metal
        QVERIFY(highest < 32767 && lowest > -32768);
        // Zig-zag: the second track is walked back towards the start edge.
        const SurveyField::Pose stop = field.poseAt(field.trackSeconds() + 0.5);
        QVERIFY(!stop.walking);
        QCOMPARE(stop.tracksFinished, 1);
        const SurveyField::Pose back = field.poseAt(field.trackSeconds() + field.stopSeconds() + 0.5);
        QVERIFY(back.walking);
        QCOMPARE(back.track, 1);
        QVERIFY(back.along > 3.5);
    }
};

SORVANEL_TEST_MAIN(SimulatorTest)
#include "test_simulator.moc"
