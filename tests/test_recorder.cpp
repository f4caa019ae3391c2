#include "acquisition/devices/datarecorderbrolsensor.h"
#include "acquisition/devices/datarecorderspanwell.h"
#include "acquisition/devices/datarecorderzseries.h"
#include "probemessage.h"
#include "app/settingskeys.h"
#include "datasets/datasetkm.h"
#include "recording/widgets/recordingvisualization.h"
#include "testenvironment.h"

#include <QLabel>
#include <QPushButton>
#include <memory>

namespace {
// Counts the samples the recorder hands to a live view.
class SampleSink : public RecordingVisualization
{
public:
    std::vector<std::int16_t> received;
    QString title() override { return QString(); }
    QIcon icon() override { return QIcon(); }
    bool accepts(Dataset*) override { return true; }
    void setDataset(Dataset*) override {}
    void addValues(std::vector<std::int16_t> values) override
    {
        received.insert(received.end(), values.begin(), values.end());
    }
    QWidget* widget() override { return nullptr; }
    void reset() override {}
};

QByteArray reading(int probeId, int value, int battery = 0, bool trigger = false, bool toggle = false)
{
    ProbeReading r;
    r.probeId = probeId;
    r.value = std::int16_t(value);
    r.battery = std::int8_t(battery);
    r.trigger = trigger;
    r.toggle = toggle;
    return encodeProbeMessage(r, true);
}

void feed(DataRecorder& recorder, QByteArray message)
{
    recorder.processData(message);
}

template <class Recorder>
QPushButton* button(const std::vector<QWidget*>& controls, const QString& text)
{
    for (QWidget* w : controls)
        if (auto* b = qobject_cast<QPushButton*>(w); b && b->text() == text)
            return b;
    return nullptr;
}
} // namespace

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

    void brolSensorControlsAndTrackCycle()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        const std::vector<QWidget*> controls = recorder.createControls();
        QCOMPARE(controls.size(), std::size_t(3));
        QVERIFY(qobject_cast<QLabel*>(controls[0]));
        auto* pause = qobject_cast<QPushButton*>(controls[1]);
        auto* next = qobject_cast<QPushButton*>(controls[2]);
        QCOMPARE(pause->text(), QString("START"));
        QCOMPARE(next->text(), QString("NEXT TRACK"));
        QCOMPARE(pause->minimumSize(), QSize(int(2.25 * 96), int(0.75 * 96)));
        SampleSink sink;
        recorder.addVisualization(&sink);

        recorder.startRecording();
        feed(recorder, reading(170, 0));
        feed(recorder, reading(170, 300));
        QCOMPARE(int(recorder.currentValue()), 300);
        recorder.update();                         // armed: no samples yet
        QVERIFY(recorder.openTrack().empty());

        QTest::mousePress(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QString("PAUSE"));
        for (int i = 0; i < 5; ++i)
            recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(5));
        QCOMPARE(sink.received, std::vector<std::int16_t>(5, 300));

        QTest::mousePress(next, Qt::LeftButton);   // walking: nothing committed
        QCOMPARE(dataset.getProperty("columns").toInt(), 0);
        QTest::mousePress(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QString("RESUME"));
        QTest::mousePress(next, Qt::LeftButton);
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);
        QCOMPARE(dataset.getProperty("rows").toInt(), 5);
        QVERIFY(recorder.openTrack().empty());
        QTest::mousePress(next, Qt::LeftButton);   // empty track: nothing
        QCOMPARE(dataset.getProperty("columns").toInt(), 1);

        // STOP while walking commits the open track and leaves the button at RESUME.
        QTest::mousePress(pause, Qt::LeftButton);
        recorder.update();
        recorder.stopRecording();
        QCOMPARE(dataset.getProperty("columns").toInt(), 2);
        QCOMPARE(pause->text(), QString("RESUME"));
        QVERIFY(!recorder.isRecording() && recorder.isPaused());
        qDeleteAll(controls);
        recorder.update();                         // the controls may go before the recorder
    }

    void readOutShowsTheJumpInPercent()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        const std::vector<QWidget*> controls = recorder.createControls();
        auto* label = qobject_cast<QLabel*>(controls[0]);
        recorder.startRecording();
        recorder.pauseRecording();
        feed(recorder, reading(170, 0));
        feed(recorder, reading(170, 0));
        recorder.update();
        QCOMPARE(label->text(), QString());        // one sample: no read-out yet
        feed(recorder, reading(170, 2500));
        recorder.update();
        QCOMPARE(label->text(), QString("Value: 50"));
        feed(recorder, reading(170, 32767));
        recorder.update();
        QCOMPARE(label->text(), QString("Value: 100"));
        feed(recorder, reading(170, -32767));      // a jump of 65534 counts
        recorder.update();
        QCOMPARE(label->text(), QString("Value: 100"));
        qDeleteAll(controls);
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
        QVERIFY(recorder.createControls().empty());
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
        const std::vector<QWidget*> controls = recorder.createControls();
        QCOMPARE(controls.size(), std::size_t(2));
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
        qDeleteAll(controls);
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
