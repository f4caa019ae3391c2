#include "acquisition/devices/probeinterfaces.h"
#include "recorderfeed.h"
#include "recording/livesamplesink.h"
#include "recording/widgets/recordercontrols.h"
#include "testenvironment.h"

#include <QLabel>
#include <QPushButton>

namespace {
// Counts the samples the recorder hands to a live view.
class SampleSink : public LiveSampleSink
{
public:
    std::vector<std::int16_t> received;
    void addValues(std::vector<std::int16_t> values) override
    {
        received.insert(received.end(), values.begin(), values.end());
    }
};

bool showsIcon(const QPushButton* button, const char* image)
{
    const QIcon expected(QStringLiteral(":/res/images/new/") + image);
    return button->icon().pixmap(32).toImage() == expected.pixmap(32).toImage();
}
} // namespace

class RecorderControlsTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void controlsFollowTheFamily()
    {
        DataRecorderZSeries zSeries;
        const std::vector<QWidget*> pauseAndNext = createRecorderControls(zSeries);
        QCOMPARE(pauseAndNext.size(), std::size_t(2));
        QCOMPARE(qobject_cast<QPushButton*>(pauseAndNext[0])->text(), QString("START"));
        QCOMPARE(qobject_cast<QPushButton*>(pauseAndNext[1])->text(), QString("NEXT TRACK"));
        qDeleteAll(pauseAndNext);
        DataRecorderSpanwell spanwell;
        QVERIFY(createRecorderControls(spanwell).empty());
    }

    void brolSensorControlsAndTrackCycle()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        const std::vector<QWidget*> controls = createRecorderControls(recorder);
        QCOMPARE(controls.size(), std::size_t(3));
        QVERIFY(qobject_cast<QLabel*>(controls[0]));
        auto* pause = qobject_cast<QPushButton*>(controls[1]);
        auto* next = qobject_cast<QPushButton*>(controls[2]);
        QCOMPARE(pause->text(), QString("START"));
        QCOMPARE(next->text(), QString("NEXT TRACK"));
        QCOMPARE(pause->minimumSize(), QSize(int(2.25 * 96), int(0.75 * 96)));
        QCOMPARE(next->minimumSize(), QSize(int(2.25 * 96), int(0.75 * 96)));
        QCOMPARE(pause->iconSize(), QSize(int(0.4 * 96), int(0.4 * 96)));
        QCOMPARE(next->iconSize(), QSize(int(0.4 * 96), int(0.4 * 96)));
        QVERIFY(showsIcon(pause, "resume.png"));
        QVERIFY(showsIcon(next, "changeRow.png"));
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
        QVERIFY(showsIcon(pause, "pause.png"));
        for (int i = 0; i < 5; ++i)
            recorder.update();
        QCOMPARE(recorder.openTrack().size(), std::size_t(5));
        QCOMPARE(sink.received, std::vector<std::int16_t>(5, 300));

        QTest::mousePress(next, Qt::LeftButton);   // walking: nothing committed
        QCOMPARE(dataset.getProperty("columns").toInt(), 0);
        QTest::mousePress(pause, Qt::LeftButton);
        QCOMPARE(pause->text(), QString("RESUME"));
        QVERIFY(showsIcon(pause, "resume.png"));
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
        recorder.pauseRecording();                 // the controls may go before the recorder
        recorder.update();
    }

    void readOutShowsTheJumpInPercent()
    {
        DataRecorderBrolSensor recorder;
        DataSetBrolSensor dataset;
        recorder.setDataset(&dataset);
        const std::vector<QWidget*> controls = createRecorderControls(recorder);
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

};

SORVANEL_TEST_MAIN(RecorderControlsTest)
#include "test_recorder_controls.moc"
