#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterfaces.h"
#include "acquisition/devices/recorderbase.h"
#include "acquisition/devices/wificonnection.h"
#include "acquisition/streamcapture.h"
#include "acquisition/streamcapturewriter.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "testenvironment.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace {
// Probe-driven: the stream's own track toggle commits the tracks, so the stream alone
// decides the dataset.
constexpr int spanwell = 2;

QByteArray joined(const std::vector<CapturedChunk>& chunks)
{
    QByteArray all;
    for (const CapturedChunk& chunk : chunks)
        all += chunk.bytes;
    return all;
}

StreamCapture readWhole(const QString& path)
{
    const StreamCaptureRead read = readStreamCapture(path);
    if (!read.failure.isEmpty())
        qWarning() << path << read.failure;
    return read.capture;
}

// What a link with the capture switch on writes from the scanner in the settings, until
// `done` holds. The link's file is complete once the link is gone.
template <typename Done>
StreamCapture captureFrom(DataRecorder* recorder, Done done)
{
    QString path;
    {
        WiFiConnection link;
        link.setRecorder(recorder);
        link.connectToScanner();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(!link.captureFile().isEmpty(), 5000); }();
        path = link.captureFile();
        [&] { QTRY_VERIFY_WITH_TIMEOUT(done(path), 20000); }();
    }
    return readWhole(path);
}

struct Recorded
{
    int columns = 0;
    std::vector<std::int16_t> values;
};

// The dataset a recorder makes of `chunks` with one sampling tick after each chunk, so the
// outcome depends on the chunks only and not on the machine's timing.
Recorded recordFrom(const std::vector<CapturedChunk>& chunks)
{
    std::unique_ptr<ProbeInterface> probe(createProbeInterface(spanwell));
    std::unique_ptr<Dataset> dataset(probe->createDataset());
    auto* recorder = dynamic_cast<RecorderBase*>(probe->recorder());
    recorder->setDataset(dataset.get());
    recorder->startRecording();
    for (const CapturedChunk& chunk : chunks) {
        QByteArray bytes = chunk.bytes;
        recorder->processData(bytes);
        recorder->update();
    }
    recorder->stopRecording();
    recorder->setDataset(nullptr);
    return {dataset->getProperty("columns").toInt(), dataset->values()};
}

qint64 spanUs(const StreamCapture& capture)
{
    return qint64(capture.chunks.back().arrivalUs - capture.chunks.front().arrivalUs);
}
} // namespace

class StreamCaptureTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        Settings::captureScannerStream.write(true);
    }

    void capturedSessionReplaysToTheSameDataset()
    {
        ScannerSimulator::Options live = TestSupport::fastWalk(spanwell, true);
        live.intervalMs = 50;
        std::unique_ptr<ProbeInterface> probe(createProbeInterface(spanwell));
        std::unique_ptr<Dataset> liveDataset(probe->createDataset());
        probe->recorder()->setDataset(liveDataset.get());
        probe->recorder()->startRecording();
        StreamCapture captured;
        {
            TestSupport::InProcessScanner scanner(live);
            // A recorder deciphers in place: the capture must keep the bytes as they came.
            captured = captureFrom(probe->recorder(),
                                   [&](const QString&) { return scanner.simulator().messagesSent() >= 70; });
        }
        probe->recorder()->setDataset(nullptr);
        QVERIFY(captured.chunks.size() >= 60);
        QVERIFY(!captured.truncated);
        ScannerSimulator reference(live);
        QByteArray sent;
        for (int i = 0; sent.size() < joined(captured.chunks).size(); ++i)
            sent += reference.messageAt(i);
        QCOMPARE(joined(captured.chunks), sent);

        ScannerSimulator::Options replay;
        replay.replay = captured.chunks;
        TestSupport::InProcessScanner replayer(replay);
        const int expectedBytes = joined(captured.chunks).size();
        const StreamCapture replayed = captureFrom(nullptr, [&](const QString& path) {
            return joined(readWhole(path).chunks).size() == expectedBytes;
        });
        QCOMPARE(replayed.chunks.size(), captured.chunks.size());
        QCOMPARE(joined(replayed.chunks), joined(captured.chunks));
        // Original timing: the replay takes as long as the capture, give or take the load.
        QVERIFY2(spanUs(replayed) > spanUs(captured) * 8 / 10, "replay faster than captured");
        QVERIFY2(spanUs(replayed) < spanUs(captured) * 15 / 10, "replay slower than captured");

        const Recorded original = recordFrom(captured.chunks);
        const Recorded again = recordFrom(replayed.chunks);
        QVERIFY(original.columns >= 2);
        QCOMPARE(again.columns, original.columns);
        QCOMPARE(again.values, original.values);
    }

    void truncatedCaptureReplaysItsWholeChunksAtTheChosenSpeed()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("truncated.svcap"));
        QByteArray content = captureHeader(QDateTime::currentDateTimeUtc());
        QByteArray expected;
        for (int i = 0; i < 6; ++i) {
            const QByteArray chunk = QByteArray(1, char(170)) + QByteArray::number(i).repeated(9);
            content += captureRecord(quint64(i) * 200000, chunk);
            expected += chunk;
        }
        // Cut off inside the seventh record's bytes, as a crash would leave it.
        content += captureRecord(1200000, QByteArray(20, 'x')).left(16);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const StreamCapture read = readWhole(path);
        QVERIFY(read.truncated);
        QCOMPARE(read.chunks.size(), std::size_t(6));

        ScannerSimulator::Options replay;
        replay.replay = read.chunks;
        replay.replaySpeed = 4;
        TestSupport::InProcessScanner replayer(replay);
        QSignalSpy finished(&replayer.simulator(), &ScannerSimulator::replayFinished);
        const StreamCapture replayed = captureFrom(nullptr, [&](const QString& path) {
            return joined(readWhole(path).chunks).size() == expected.size();
        });
        QCOMPARE(finished.count(), 1);
        QCOMPARE(joined(replayed.chunks), expected);
        // 1 s of capture at four times the speed.
        QVERIFY2(spanUs(replayed) > 200000, "replay faster than the chosen speed");
        QVERIFY2(spanUs(replayed) < 600000, "replay slower than the chosen speed");
    }

    void captureFileStopsAtItsLimitWithWholeChunks()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bounded.svcap"));
        const QByteArray chunk(10, 'c');
        {
            StreamCaptureWriter writer(path, StreamCaptureFormat::headerSize + 2 * (12 + chunk.size()) + 5);
            for (int i = 0; i < 4; ++i)
                writer.append(chunk);
        }
        const StreamCapture read = readWhole(path);
        QCOMPARE(read.chunks.size(), std::size_t(2));
        QVERIFY(!read.truncated);
    }

    void switchedOffWritesNoCapture()
    {
        Settings::captureScannerStream.write(false);
        QDir(captureFolder()).removeRecursively();
        TestSupport::InProcessScanner scanner(TestSupport::fastWalk(spanwell, true));
        WiFiConnection link;
        link.connectToScanner();
        QTRY_VERIFY_WITH_TIMEOUT(link.probeId() == spanwell, 5000);
        QVERIFY(link.captureFile().isEmpty());
        QVERIFY(!QDir(captureFolder()).exists());
    }
};

SORVANEL_TEST_MAIN(StreamCaptureTest)
#include "test_stream_capture.moc"
