#include "acquisition/devices/probeinterfaces.h"
#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "app/settingskeys.h"
#include "datasets/familyclasses.h"
#include "recorderfeed.h"
#include "testenvironment.h"

#include <memory>

class RecorderTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void acceptsOnlyItsOwnDataset()
    {
        DataRecorderBrolSensor recorder;
        DataSetKM km;
        try {
            recorder.setDataset(&km);
            QFAIL("a KM dataset was accepted");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString(e.what()), QString("wrong type of dataset"));
        }
        DataSetBrolSensor own;
        recorder.setDataset(&own);
        recorder.setDataset(nullptr);
    }

    void firstMessageOfANewRecorderIsDroppedUnlessBatteryIsLow()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        recorder.startRecording();
        feed(recorder, reading(170, 123, 87));
        QCOMPARE(recorder.batteryLevel(), 87);
        QCOMPARE(int(recorder.currentValue()), 0);
        feed(recorder, reading(170, 123, 86));
        QCOMPARE(int(recorder.currentValue()), 123);
        QCOMPARE(dataset.getProperty("sensor max").toInt(), 20000);
    }

    void silentLinkLeavesNoStaleSamples()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        recorder.startRecording();
        recorder.pauseRecording();                  // START
        feed(recorder, reading(170, 0));
        for (int value : {300, 301, 302}) {
            feed(recorder, reading(170, value));
            recorder.update();
        }
        // The link falls silent: within a second the ticks still sample the last value...
        recorder.update();
        recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(5));
        // ...and after it none do (the sampling clock ticks through this wait, which is the
        // silence itself).
        QTest::qWait(1100);
        const std::size_t afterSilence = recorder.openTrack().size();
        // The sampling timer is a coarse one, which may fire up to 5 % early (every 57 ms).
        QVERIFY2(afterSilence <= 5 + 1000 / 57 + 1, qPrintable(QString::number(afterSilence)));
        recorder.update();
        QCOMPARE(recorder.openTrack().size(), afterSilence);
        // The link drops: only what was sampled up to the last message stays.
        recorder.dropSamplesAfterLastMessage();
        QCOMPARE(recorder.openTrack(), (std::vector<std::int16_t>{300, 301, 302}));

        // A message again: sampling goes on.
        feed(recorder, reading(170, 310));
        recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(4));
        QCOMPARE(int(recorder.openTrack().back()), 310);
        recorder.stopRecording();
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);
        QCOMPARE(dataset.getProperty("rows").toInt(), 4);
    }

    void nothingIsSampledBeforeTheFirstReadingOfARecording()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        // A message before the recording is armed decodes no reading for it.
        feed(recorder, reading(170, 0));
        recorder.startRecording();
        recorder.pauseRecording();                  // START at once
        recorder.update();
        // Dropped by the battery rule (a jump from 0 to 50): still no reading.
        feed(recorder, reading(170, 700, 50));
        recorder.update();
        QVERIFY(recorder.openTrack().empty());
        feed(recorder, reading(170, 701, 50));
        recorder.update();
        recorder.update();
        QCOMPARE(recorder.openTrack(), (std::vector<std::int16_t>{701, 701}));

        // A new recording with the same recorder waits for its own first reading.
        recorder.stopRecording();
        recorder.startRecording();
        recorder.pauseRecording();
        recorder.update();
        QVERIFY(recorder.openTrack().empty());
    }

    void spanwellFollowsTriggerAndToggle()
    {
        DataRecorderSpanwell recorder;
        DataSetSpanwell dataset;
        recorder.setDataset(&dataset);
        recorder.startRecording();
        feed(recorder, reading(2, 40, 0, false, false));
        recorder.update();
        QVERIFY(recorder.openTrack().empty());     // trigger released
        feed(recorder, reading(2, 40, 0, true, false));
        recorder.update();
        recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(2));
        feed(recorder, reading(2, 41, 0, false, true));   // toggle: the track is committed
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);
        QVERIFY(recorder.openTrack().empty());
        feed(recorder, reading(2, 41, 0, false, false));  // toggle back with an empty track
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);
        feed(recorder, reading(2, 42, 0, true, false));
        recorder.update();
        recorder.stopRecording();
        QCOMPARE(dataset.getProperty("columns").toInt(), 2);
    }

    void zSeriesToggleWhileWalkingCommitsNothing()
    {
        DataRecorderZSeries recorder;
        DataSetZSeries dataset;
        recorder.setDataset(&dataset);
        recorder.startRecording();
        recorder.pauseRecording();                 // walking
        feed(recorder, reading(1, 5, 0, false, false));
        recorder.update();
        feed(recorder, reading(1, 5, 0, false, true));
        recorder.update();
        QCOMPARE(dataset.getProperty("columns").toInt(), 0);
        QCOMPARE(recorder.openTrack().size(), std::size_t(2));
        recorder.pauseRecording();
        recorder.changeRow();
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);
    }

    void toneOnlyAfterTenSamplesOnEveryFourthTick()
    {
        TestSupport::MessageBoxSpy boxes;
        Settings::recordSound.write(true);
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        recorder.startRecording();
        recorder.pauseRecording();
        int tones = 0;
        recorder.setTonePlayer([&](double, int) { ++tones; });
        feed(recorder, reading(170, 0));
        // Ticks 0..10 never sound: the open track holds at most 10 samples before them.
        for (int i = 0; i < 11; ++i)
            recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(11));
        QCOMPARE(tones, 0);
        Settings::recordSound.write(false);
    }

    void everyFamilySoundsOnItsTonePeriod_data()
    {
        QTest::addColumn<int>("probeId");
        QTest::addColumn<int>("period");
        for (const auto& [probeId, period] : {std::pair{170, 4}, {10, 4}, {1, 10}, {11, 4}, {13, 4}, {2, 10},
                                              {3, 10}, {21, 10}})
            QTest::newRow(qPrintable(QString::number(probeId))) << probeId << period;
    }
    void everyFamilySoundsOnItsTonePeriod()
    {
        QFETCH(int, probeId);
        QFETCH(int, period);
        // "tick: Hz". The value is 0 up to tick 39, 500 up to 59, then 1500; the pitch is
        // 350 Hz plus the distance from the mean of the last 10 samples, at most 800.
        const QStringList everyFourth{"12: 350", "16: 350", "20: 350", "24: 350", "28: 350",
                                      "32: 350", "36: 350", "40: 850", "44: 650", "48: 450",
                                      "52: 350", "56: 350", "60: 1150"};
        const QStringList everyTenth{"20: 350", "30: 350", "40: 850", "50: 350", "60: 1150"};
        QVERIFY(period == 4 || period == 10);

        std::unique_ptr<ProbeInterface> probe(createProbeInterface(probeId));
        std::unique_ptr<Dataset> dataset(probe->createDataset());
        auto* recorder = dynamic_cast<RecorderBase*>(probe->recorder());
        int tick = 0;
        QStringList played;
        QVector<int> byteCounts;
        recorder->setTonePlayer([&](double frequency, int byteCount) {
            played << QStringLiteral("%1: %2").arg(tick).arg(frequency);
            byteCounts << byteCount;
        });
        recorder->setDataset(dataset.get());
        recorder->startRecording();
        recorder->pauseRecording();               // the operator walks; the trigger is held too
        const auto tickUntil = [&](int end, int value) {
            feed(*recorder, reading(probeId, value, 0, true));
            for (; tick < end; ++tick)
                recorder->update();
        };
        Settings::recordSound.write(true);
        tickUntil(40, 0);
        tickUntil(60, 500);
        tickUntil(61, 1500);
        QCOMPARE(played, period == 4 ? everyFourth : everyTenth);
        QCOMPARE(byteCounts, QVector<int>(played.size(), 8000));

        Settings::recordSound.write(false);
        tickUntil(100, 0);
        QCOMPARE(played.size(), period == 4 ? everyFourth.size() : everyTenth.size());
        recorder->setDataset(nullptr);
    }
};

SORVANEL_TEST_MAIN(RecorderTest)
#include "test_recorder.moc"
