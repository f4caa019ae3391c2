#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/recorderbase.h"
#include "app/appsettings.h"
#include "app/devices/probesession.h"
#include "app/widgets/mainwindow.h"
#include "app/settingskeys.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/dataset.h"
#include "datasets/datasetfolder.h"
#include "recording/widgets/fieldpreview.h"
#include "recording/widgets/namewidget.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/recordingwizard.h"
#include "recording/widgets/visualizationchooser.h"
#include "testenvironment.h"

#include <QPushButton>
#include <QToolButton>
#include <memory>

namespace {

QPushButton* buttonNamed(const std::vector<QWidget*>& widgets, const QString& text)
{
    for (QWidget* w : widgets)
        if (auto* b = qobject_cast<QPushButton*>(w); b && b->text() == text)
            return b;
    return nullptr;
}

ProbeInterface* probeOf(const MainWindow& window)
{
    return window.findChild<ProbeSession*>()->probe();
}

RecorderBase* recorderOf(const MainWindow& window)
{
    return dynamic_cast<RecorderBase*>(probeOf(window)->recorder());
}

// Opens the window on the simulated probe and walks it to the recording screen with the
// field preview chosen: width 3, length 4, corner 0, zig-zag.
RecordingWidget* openRecordingScreen(MainWindow& window)
{
    if (!QTest::qWaitFor([&] { return probeOf(window) != nullptr; }, 6000))
        return nullptr;
    QTest::mouseClick(window.welcomeScreen()->recordButtonWidget(), Qt::LeftButton);
    if (window.screenState() != MainWindow::Wizard)
        return nullptr;
    // The wizard's defaults are width 3, length 4 and corner 0; the walk is set to zig-zag.
    RecordingWizard* wizard = window.recordingWizard();
    QSignalSpy done(wizard, &RecordingWizard::done);
    for (int page = 0; page < 4 && done.isEmpty(); ++page) {
        if (auto* zigZag = wizard->findChild<QAbstractButton*>("zigZagButton"); zigZag && zigZag->isVisible())
            zigZag->click();
        QAbstractButton* next = nullptr;
        for (auto* b : wizard->findChildren<QAbstractButton*>("nextButton"))
            if (b->isVisible())
                next = b;
        if (!next)
            return nullptr;
        QTest::mouseClick(next, Qt::LeftButton);
    }
    if (done.isEmpty() || Settings::recordParallel.read().toBool())
        return nullptr;
    RecordingWidget* screen = window.recordingWidget();
    if (!screen || window.screenState() != MainWindow::Record)
        return nullptr;
    // Nothing to record with before a view is chosen.
    if (screen->recordButtonWidget()->isVisible())
        return nullptr;
    screen->visualizationChooser()->buttons().front()->click();
    if (!screen->recordButtonWidget()->isVisible())
        return nullptr;
    return screen;
}

std::unique_ptr<Dataset> loadStored(const QString& id, int probeId)
{
    std::unique_ptr<Dataset> stored(createDatasetForProbe(probeId));
    if (!stored->load(id))
        return nullptr;
    return stored;
}

QStringList storedIds()
{
    QStringList ids;
    for (const QString& file : QDir(documentsFolder()).entryList({"*.xml"}, QDir::Files))
        ids << QFileInfo(file).completeBaseName();
    return ids;
}

// Walks the open track until it holds `samples`, with START before and PAUSE after.
void walkTrack(QPushButton* pause, RecorderBase* recorder, std::size_t samples = 7)
{
    QTest::mousePress(pause, Qt::LeftButton);
    QTRY_VERIFY(recorder->openTrack().size() >= samples);
    QTest::mousePress(pause, Qt::LeftButton);
}

// The Brol Sensor simulator, the boxes answered, and the window on the recording screen.
struct BrolRecording
{
    TestSupport::InProcessScanner scanner{TestSupport::fastWalk(170)};
    TestSupport::MessageBoxSpy boxes;
    MainWindow window;
    RecordingWidget* screen = (window.show(), openRecordingScreen(window));
};

const QString couldNotConnect = QStringLiteral(
    "Could not connect. Please make sure, you are connected to the correct Wifi and the scanner is powered on.");
} // namespace

class RecordingEndToEndTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        NameWidget::setAnswer([](const QString&) { return std::optional<QString>("Field A"); });
    }
    void cleanup() { NameWidget::setAnswer(nullptr); }

    void brolSensorFieldOfThreeTracks()
    {
        TestSupport::InProcessScanner scanner(TestSupport::fastWalk(170));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        window.resize(1280, 800);
        window.show();
        RecordingWidget* screen = openRecordingScreen(window);
        QVERIFY(screen);
        QVERIFY(dynamic_cast<FieldPreview*>(screen->currentVisualization()));

        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QVERIFY(screen->isRecording());
        QVERIFY(screen->recordButtonWidget()->isHidden());
        QPushButton* pause = buttonNamed(screen->recorderControls(), "START");
        QPushButton* next = buttonNamed(screen->recorderControls(), "NEXT TRACK");
        QVERIFY(pause && next);
        QVERIFY(!screen->stopButtonWidget()->isHidden());
        RecorderBase* recorder = recorderOf(window);
        QVERIFY(recorder);

        for (int track = 0; track < 3; ++track) {
            QTest::mousePress(pause, Qt::LeftButton);   // START / RESUME
            // Walked for about 450 ms: a sample every 60 ms.
            QTRY_VERIFY(recorder->openTrack().size() >= 7);
            QTest::mousePress(pause, Qt::LeftButton);   // PAUSE
            QTest::mousePress(next, Qt::LeftButton);    // NEXT TRACK
        }
        window.goBack();                                // refused while recording
        QCOMPARE(window.screenState(), int(MainWindow::Record));

        QSignalSpy finished(screen, &RecordingWidget::finishedRecording);
        QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        const QString id = finished.first().at(0).toString();
        QCOMPARE(finished.first().at(1).toInt(), 170);
        QCOMPARE(window.screenState(), int(MainWindow::Visualization));
        QVERIFY(!screen->isRecording());

        for (const char* suffix : {".s3d", ".xml", ".png"})
            QVERIFY2(QFile::exists(datasetFilePath(id, suffix)), suffix);
        std::unique_ptr<Dataset> stored = loadStored(id, 170);
        QVERIFY(stored);
        QCOMPARE(stored->name(), QString("Field A"));
        QCOMPARE(stored->getProperty("columns").toInt(), 3);
        const int rows = stored->getProperty("rows").toInt();
        QVERIFY(rows >= 5);
        QCOMPARE(int(stored->values().size()), 3 * rows);
        QCOMPARE(stored->getProperty("width").toFloat(), 2.7f);
        QCOMPARE(stored->getProperty("length").toInt(), 4);
        QCOMPARE(stored->getProperty("start index").toInt(), 0);
        QCOMPARE(stored->getProperty("parallel").toBool(), false);
        QCOMPARE(stored->getProperty("sensor max").toInt(), 20000);
        QVERIFY(boxes.requests().size() == 1); // only "Connected to"
    }

    void spanwellTracksFollowTheProbe()
    {
        TestSupport::InProcessScanner scanner(TestSupport::fastWalk(2));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        window.resize(800, 1280);
        window.show();
        RecordingWidget* screen = openRecordingScreen(window);
        QVERIFY(screen);

        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QVERIFY(screen->recorderControls().empty());
        // STOP takes RECORD's place at the left.
        QVERIFY(screen->stopButtonWidget()->isVisible());
        QTRY_VERIFY(screen->stopButtonWidget()->x() < screen->width() / 2);

        QTRY_VERIFY_WITH_TIMEOUT(screen->currentDataset()->getProperty("columns").toInt() >= 2, 8000);
        QSignalSpy finished(screen, &RecordingWidget::finishedRecording);
        QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
        QCOMPARE(finished.size(), 1);
        std::unique_ptr<Dataset> stored = loadStored(finished.first().at(0).toString(), 2);
        QVERIFY(stored);
        QVERIFY(stored->getProperty("columns").toInt() >= 2);
        QCOMPARE(int(stored->values().size()),
                 stored->getProperty("columns").toInt() * stored->getProperty("rows").toInt());
        QCOMPARE(stored->getProperty("sensor max").toInt(), 2000);
        QCOMPARE(window.screenState(), int(MainWindow::Visualization));
    }

    void droppedLinkSavesWhatWasWalked()
    {
        BrolRecording session;
        QVERIFY(session.screen);
        auto& [scanner, boxes, window, screen] = session;
        RecorderBase* recorder = recorderOf(window);
        const QStringList before = storedIds();
        libraryDirty = false;

        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QPushButton* pause = buttonNamed(screen->recorderControls(), "START");
        QPushButton* next = buttonNamed(screen->recorderControls(), "NEXT TRACK");
        for (int track = 0; track < 2; ++track) {
            walkTrack(pause, recorder);
            QTest::mousePress(next, Qt::LeftButton);
        }
        // Half way along the third track the scanner goes out of reach.
        QTest::mousePress(pause, Qt::LeftButton);
        QTRY_VERIFY(recorder->openTrack().size() >= 4);
        scanner.simulator().setSending(false);
        QTRY_COMPARE_WITH_TIMEOUT(window.screenState(), int(MainWindow::Welcome), 15000);

        const MessageBox::Request& box = boxes.requests().last();
        QCOMPARE(box.title, QString("Connection Time Out"));
        QCOMPARE(box.text, couldNotConnect + " The recording so far was saved as \"Dataset (interrupted)\".");
        QVERIFY(libraryDirty);
        QStringList added = storedIds();
        for (const QString& id : before)
            added.removeAll(id);
        QCOMPARE(added.size(), 1);
        std::unique_ptr<Dataset> stored = loadStored(added.first(), 170);
        QVERIFY(stored);
        QCOMPARE(stored->name(), QString("Dataset (interrupted)"));
        QCOMPARE(stored->getProperty("columns").toInt(), 3);
    }

    void droppedLinkWithNothingWalkedSavesNothing()
    {
        BrolRecording session;
        QVERIFY(session.screen);
        auto& [scanner, boxes, window, screen] = session;
        const QStringList before = storedIds();
        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);   // armed, never started
        scanner.simulator().setSending(false);
        QTRY_COMPARE_WITH_TIMEOUT(window.screenState(), int(MainWindow::Welcome), 15000);
        QCOMPARE(boxes.requests().last().text, couldNotConnect);
        QCOMPARE(storedIds(), before);
    }

    void briefSilenceRecordsNoStaleSamples()
    {
        BrolRecording session;
        QVERIFY(session.screen);
        auto& [scanner, boxes, window, screen] = session;
        RecorderBase* recorder = recorderOf(window);
        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QTest::mousePress(buttonNamed(screen->recorderControls(), "START"), Qt::LeftButton);
        QTRY_VERIFY(recorder->openTrack().size() >= 4);

        scanner.simulator().setSending(false);
        const std::size_t atSilence = recorder->openTrack().size();
        QTest::qWait(2500);   // the scanner stays silent this long, well short of the time-out
        const std::size_t afterSilence = recorder->openTrack().size();
        // At most the ticks of the first second sample the last value (2.5 s would give 41).
        QVERIFY2(afterSilence - atSilence <= 1000 / 60 + 2, qPrintable(QString::number(afterSilence - atSilence)));
        scanner.simulator().setSending(true);
        QTRY_VERIFY(recorder->openTrack().size() >= afterSilence + 5);
        QCOMPARE(window.screenState(), int(MainWindow::Record));
        QVERIFY(screen->isRecording());
    }

    void discardedOrEmptyRecordingsSaveNothing()
    {
        TestSupport::InProcessScanner scanner(TestSupport::fastWalk(170));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        window.show();
        RecordingWidget* screen = openRecordingScreen(window);
        QVERIFY(screen);
        int asked = 0;
        NameWidget::setAnswer([&asked](const QString& name) {
            ++asked;
            return name == "Dataset" ? std::nullopt : std::optional<QString>(name);
        });
        QSignalSpy finished(screen, &RecordingWidget::finishedRecording);

        // Nothing walked: no dialog.
        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
        QCOMPARE(asked, 0);

        // Walked, then DELETE: nothing saved, nothing announced.
        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QPushButton* pause = buttonNamed(screen->recorderControls(), "START");
        QTest::mousePress(pause, Qt::LeftButton);
        QTRY_VERIFY(!recorderOf(window)->openTrack().empty());
        QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(window.screenState(), int(MainWindow::Record));
        QVERIFY(screen->currentDataset()->values().empty());
    }
};

SORVANEL_TEST_MAIN(RecordingEndToEndTest)
#include "test_recording_e2e.moc"
