#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterfaces.h"
#include "acquisition/devices/wificonnection.h"
#include "datasets/dataset.h"
#include "testenvironment.h"

#include <algorithm>
#include <memory>

namespace {
// The simulated survey reads between the cavity's low and the metal's high.
bool plausible(const std::vector<std::int16_t>& values)
{
    if (values.empty())
        return false;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *low > -3000 && *high < 12000 && *high - *low > 10;
}

struct Session
{
    explicit Session(ScannerSimulator::Options options)
        : scanner(options)
        , probe(createProbeInterface(options.probeId))
        , dataset(probe->createDataset())
    {
        link.setRecorder(probe->recorder());
        probe->recorder()->setDataset(dataset.get());
        probe->recorder()->startRecording();
        link.connectToScanner();
        QVERIFY(QTest::qWaitFor([&] { return link.probeId() == options.probeId; }, 5000));
    }
    ~Session()
    {
        link.setRecorder(nullptr);
        probe->recorder()->setDataset(nullptr);
    }
    RecorderBase* recorderBase() { return dynamic_cast<RecorderBase*>(probe->recorder()); }
    int columns() { return dataset->getProperty("columns").toInt(); }
    // START (or RESUME) until the open track holds `samples`, PAUSE, NEXT TRACK.
    void walkTrack(std::size_t samples)
    {
        RecorderBase* recorder = recorderBase();
        recorder->pauseRecording();
        QTRY_VERIFY_WITH_TIMEOUT(recorder->openTrack().size() >= samples, 5000);
        recorder->pauseRecording();
        recorder->changeRow();
    }

    TestSupport::InProcessScanner scanner;
    WiFiConnection link;
    std::unique_ptr<ProbeInterface> probe;
    std::unique_ptr<Dataset> dataset;
};

// One data row per probe id, enciphered and plain.
void addProbeRows(std::initializer_list<int> probeIds)
{
    QTest::addColumn<int>("probeId");
    QTest::addColumn<bool>("encipher");
    for (int id : probeIds)
        for (bool encipher : {true, false})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(id).arg(encipher ? "enciphered" : "plain")))
                << id << encipher;
}
} // namespace

class RecordingIntegrationTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void operatorDrivenFamiliesRecordTracks_data() { addProbeRows({170, 10, 1, 11, 13}); }
    void operatorDrivenFamiliesRecordTracks()
    {
        QFETCH(int, probeId);
        QFETCH(bool, encipher);
        Session session(TestSupport::fastWalk(probeId, encipher));
        for (int track = 0; track < 3; ++track)
            session.walkTrack(7);
        session.recorderBase()->stopRecording();
        QCOMPARE(session.columns(), 3);
        const int rows = session.dataset->getProperty("rows").toInt();
        QVERIFY(rows >= 4);
        const std::vector<std::int16_t> values = session.dataset->values();
        QCOMPARE(int(values.size()), 3 * rows);
        QVERIFY2(plausible(values), "decoded values outside the simulated survey");
    }

    void probeDrivenFamiliesCommitOnTheToggle_data() { addProbeRows({2, 3, 21}); }
    void probeDrivenFamiliesCommitOnTheToggle()
    {
        QFETCH(int, probeId);
        QFETCH(bool, encipher);
        Session session(TestSupport::fastWalk(probeId, encipher));
        QTRY_VERIFY_WITH_TIMEOUT(session.columns() >= 2, 8000);
        session.recorderBase()->stopRecording();
        const int columns = session.columns();
        const std::vector<std::int16_t> values = session.dataset->values();
        QCOMPARE(int(values.size()), columns * session.dataset->getProperty("rows").toInt());
        QVERIFY(plausible(values));
        QCOMPARE(session.dataset->getProperty("sensor max").toInt(), 2000);
    }

    void zSeriesWithSensorControlsFollowsTheProbe()
    {
        ScannerSimulator::Options options = TestSupport::fastWalk(1, true);
        options.sensorControls = true;
        Session session(options);
        QTRY_VERIFY_WITH_TIMEOUT(session.columns() >= 2, 8000);
        QVERIFY(session.recorderBase()->sensorControls());
        QCOMPARE(session.dataset->getProperty("sensor controls").toBool(), true);
    }

    void garbledStreamKeepsTheRecording()
    {
        ScannerSimulator::Options options = TestSupport::fastWalk(170, true);
        options.garbage = true;
        Session session(options);
        session.walkTrack(8);
        session.recorderBase()->stopRecording();
        QCOMPARE(session.columns(), 1);
        QVERIFY(session.dataset->getProperty("rows").toInt() >= 5);
    }

    void silentStreamLeavesCommittedTracks()
    {
        ScannerSimulator::Options options = TestSupport::fastWalk(2, false);
        options.silentAfter = 150;    // a little over two tracks of the walk
        Session session(options);
        QSignalSpy errors(&session.link, &WiFiConnection::error);
        QTRY_VERIFY_WITH_TIMEOUT(session.columns() >= 1, 8000);
        QVERIFY(errors.wait(12000));
        const std::vector<std::int16_t> before = session.dataset->values();
        // Once the link has failed, nothing more reaches the dataset.
        QVERIFY(!QTest::qWaitFor([&] { return session.dataset->values() != before; }, 300));
        QCOMPARE(session.dataset->values(), before);
        QVERIFY(plausible(before));
    }
};

SORVANEL_TEST_MAIN(RecordingIntegrationTest)
#include "test_recording_integration.moc"
