#include "acquisition/devices/datarecorder.h"
#include "acquisition/devices/wificonnection.h"
#include "app/settingskeys.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Receives the chunks the link hands over.
class ChunkRecorder : public DataRecorder
{
public:
    QList<QByteArray> chunks;
    void setDataset(Dataset*) override {}
    void processData(QByteArray& buffer) override { chunks.append(buffer); }
    void addVisualization(LiveSampleSink*) override {}
    void clearVisualizations() override {}
    void startRecording() override {}
    void stopRecording() override {}
    int batteryLevel() override { return 0; }
    bool hasToneOutput() const override { return false; }
    void dropSamplesAfterLastMessage() override {}
};

// A scanner whose every message is written by the test.
class ScriptedScanner : public QObject
{
public:
    ScriptedScanner()
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this] { client = server.nextPendingConnection(); });
        Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
        Settings::scannerPort.write(int(server.serverPort()));
    }
    bool waitForClient() { return QTest::qWaitFor([this] { return client != nullptr; }, 5000); }
    void send(const QByteArray& bytes)
    {
        client->write(bytes);
        client->flush();
    }
    QTcpServer server;
    QTcpSocket* client = nullptr;
};

// A link to a scripted scanner. ready() waits until both ends have the connection: the
// scanner has its client, and the link has said connected (from then on it reads).
struct ScriptedLink
{
    ScriptedLink() { link.connectToScanner(); }
    bool ready()
    {
        return scanner.waitForClient() && QTest::qWaitFor([this] { return !connected.isEmpty(); }, 5000);
    }
    ScriptedScanner scanner;
    WiFiConnection link;
    QSignalSpy connected{&link, &WiFiConnection::connected};
};
} // namespace

class WiFiConnectionTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void noScannerFailsOnceAfterThreeSeconds()
    {
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        WiFiConnection link;
        QSignalSpy errors(&link, &WiFiConnection::error);
        QSignalSpy connected(&link, &WiFiConnection::connected);
        QElapsedTimer clock;
        clock.start();
        link.connectToScanner();
        QVERIFY(errors.wait(6000));
        QVERIFY2(clock.elapsed() >= 2950 && clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(errors.first().first().toString(), QString("Connection Time Out"));
        // The watchdog is not restarted after the error: no second one comes.
        QVERIFY(!errors.wait(4500));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(connected.size(), 0);
        QCOMPARE(link.probeId(), 0);
    }

    void steadyScannerLogsNoStrike()
    {
        TestSupport::DebugLog log;
        ScriptedLink s;
        QSignalSpy errors(&s.link, &WiFiConnection::error);
        QVERIFY(s.ready());
        // A chunk every second for seven seconds: within that time no strike may come.
        for (int second = 0; second < 7; ++second) {
            s.scanner.send(QByteArray::fromHex("aa00010203"));
            QTest::qWait(1000);
        }
        QCOMPARE(log.count("Connection Time out (strike"), 0);
        QCOMPARE(errors.size(), 0);
        QCOMPARE(s.link.probeId(), 170);
        QCOMPARE(log.count("Connection established. Try to read data."), 1);
    }

    void silentScannerStrikesTwiceThenFails()
    {
        TestSupport::DebugLog log;
        ScriptedLink s;
        QSignalSpy errors(&s.link, &WiFiConnection::error);
        QVERIFY(s.ready());
        s.scanner.send(QByteArray::fromHex("aa0001"));
        QTRY_COMPARE(s.link.probeId(), 170);
        QElapsedTimer silence;
        silence.start();
        QVERIFY(errors.wait(10000));
        // Two tolerated silent ticks, then the error on the third: 6 to 8 s after the last chunk
        // once the 2 s ticks run, up to 9 s when the chunk came early in the first 3 s period.
        QVERIFY2(silence.elapsed() > 5500 && silence.elapsed() < 10500, qPrintable(QString::number(silence.elapsed())));
        QStringList strikes;
        for (const QString& line : log.lines())
            if (line.startsWith("Connection Time out (strike "))
                strikes << line;
        QCOMPARE(strikes, QStringList({"Connection Time out (strike 1)", "Connection Time out (strike 0)"}));
        QCOMPARE(errors.first().first().toString(), QString("Connection Time Out"));
        QCOMPARE(s.link.probeId(), 0);
    }

    void reconnectWhileAProbeIsKnownOnlyReEmits()
    {
        TestSupport::DebugLog log;
        ScriptedLink s;
        QVERIFY(s.ready());
        QCOMPARE(s.connected.size(), 1);
        s.scanner.send(QByteArray::fromHex("0a0102"));
        QTRY_COMPARE(s.link.probeId(), 10);
        QTcpSocket* client = s.scanner.client;
        s.link.connectToScanner();
        QCOMPARE(s.connected.size(), 2);
        QCOMPARE(log.count("Already Connected"), 1);
        QCOMPARE(log.count("Start Host Scan"), 1);
        // The socket was left alone: further chunks still arrive on it.
        s.scanner.send(QByteArray::fromHex("0b"));
        QTRY_COMPARE(s.link.probeId(), 11);
        QCOMPARE(s.scanner.client, client);
    }

    void chunksReachTheRecorderAndSetTheProbeId()
    {
        ChunkRecorder recorder;
        ScriptedLink s;
        s.link.setRecorder(&recorder);
        QVERIFY(s.ready());
        s.scanner.send(QByteArray::fromHex("aa0102"));
        QTRY_COMPARE(recorder.chunks.size(), 1);
        QCOMPARE(recorder.chunks.first(), QByteArray::fromHex("aa0102"));
        QCOMPARE(s.link.probeId(), 170);
        // A chunk starting with 0 names no probe.
        s.scanner.send(QByteArray::fromHex("00ff"));
        QTRY_COMPARE(recorder.chunks.size(), 2);
        QCOMPARE(s.link.probeId(), 0);
        s.link.setRecorder(nullptr);
        s.scanner.send(QByteArray::fromHex("0203"));
        QTRY_COMPARE(s.link.probeId(), 2);
        QCOMPARE(recorder.chunks.size(), 2);
    }

    void newAttemptAfterAFailureReplacesTheSocket()
    {
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        WiFiConnection link;
        QSignalSpy errors(&link, &WiFiConnection::error);
        link.connectToScanner();
        QVERIFY(errors.wait(6000));

        TestSupport::InProcessScanner scanner;
        QSignalSpy connected(&link, &WiFiConnection::connected);
        link.connectToScanner();
        QVERIFY(connected.wait(3000));
        QTRY_COMPARE(link.probeId(), 170);
        QCOMPARE(errors.size(), 1);
    }
};

SORVANEL_TEST_MAIN(WiFiConnectionTest)
#include "test_wificonnection.moc"
