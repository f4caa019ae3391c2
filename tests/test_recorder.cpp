#include "acquisition/devices/datarecorderbrolsensor.h"
#include "acquisition/devices/datarecorderspanwell.h"
#include "acquisition/devices/datarecorderzseries.h"
#include "app/settingskeys.h"
#include "datasets/datasetkm.h"
#include "recorderfeed.h"
#include "testenvironment.h"

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
        feed(recorder, reading(170, 0));
        // Ticks 0..10 never sound: the open track holds at most 10 samples before them.
        for (int i = 0; i < 11; ++i)
            recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(11));
        Settings::recordSound.write(false);
    }
};

SORVANEL_TEST_MAIN(RecorderTest)
#include "test_recorder.moc"
