#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/recorderbase.h"
#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/dataset.h"
#include "datasets/datasetstore.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/imagelabel.h"
#include "recording/widgets/fieldpreview.h"
#include "recording/widgets/namewidget.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/recordingwizard.h"
#include "recording/widgets/visualizationchooser.h"
#include "simulatedwindow.h"
#include "visualization/widgets/bottomwidgetheightfield.h"
#include "visualization/widgets/glwindow.h"
#include "visualization/widgets/heightfieldviewer.h"
#include "visualization/widgets/printseam.h"
#include "visualization/widgets/viewcontrolwindow.h"

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

RecorderBase* recorderOf(const TestSupport::SimulatedWindow& session)
{
    return dynamic_cast<RecorderBase*>(session.probe()->recorder());
}

// Walks the window, once it knows the simulated probe, to the recording screen with the
// field preview chosen: width 3, length 4, corner 0, zig-zag.
RecordingWidget* openRecordingScreen(TestSupport::SimulatedWindow& session)
{
    if (!session.waitForProbe())
        return nullptr;
    MainWindow& window = session.window;
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

// The window on the Brol Sensor simulator, on the recording screen.
struct BrolRecording
{
    TestSupport::SimulatedWindow session{TestSupport::fastWalk(170)};
    RecordingWidget* screen = openRecordingScreen(session);
};

bool isBackground(const QColor& c)
{
    return c.red() == 130 && c.green() == 130 && c.blue() == 130;
}

DatasetWidget* tileOf(const DatasetViewer& library, const QString& id)
{
    for (DatasetWidget* tile : library.tiles())
        if (tile->record().identifier == id)
            return tile;
    return nullptr;
}

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
        TestSupport::SimulatedWindow session(TestSupport::fastWalk(170), {1280, 800});
        auto& [scanner, boxes, window] = session;
        RecordingWidget* screen = openRecordingScreen(session);
        QVERIFY(screen);
        QVERIFY(dynamic_cast<FieldPreview*>(screen->currentVisualization()));

        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);
        QVERIFY(screen->isRecording());
        QVERIFY(screen->recordButtonWidget()->isHidden());
        QPushButton* pause = buttonNamed(screen->recorderControls(), "START");
        QPushButton* next = buttonNamed(screen->recorderControls(), "NEXT TRACK");
        QVERIFY(pause && next);
        QVERIFY(!screen->stopButtonWidget()->isHidden());
        RecorderBase* recorder = recorderOf(session);
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
            QVERIFY2(QFile::exists(DatasetStore().folder() + id + suffix), suffix);
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

        // It is open in the 3D view.
        HeightFieldViewer* viewer = window.heightFieldViewer();
        QVERIFY(viewer && viewer->dataset());
        QCOMPARE(viewer->dataset()->id(), id);
        QTRY_VERIFY(!viewer->view()->building());
        const QImage frame = viewer->view()->grabFramebuffer();
        QVERIFY(!isBackground(frame.pixelColor(frame.width() / 2, frame.height() / 2)));

        // SNAPSHOT makes the view the dataset's preview; PRINT gives one page.
        const QString previewPath = DatasetStore().path(id, DatasetFile::Preview);
        const QImage recordedPreview(previewPath);
        QTest::mousePress(viewer->panel()->snapshotButton(), Qt::LeftButton);
        const QImage snapshot(previewPath);
        QCOMPARE(snapshot.width(), 128);
        QVERIFY(snapshot != recordedPreview);
        const QString pdf = QDir::temp().filePath("sorvanel-e2e-print.pdf");
        QFile::remove(pdf);
        const PrintSeam::Handler previous = PrintSeam::setHandler(PrintSeam::pdfFile(pdf));
        QTest::mousePress(viewer->panel()->printButton(), Qt::LeftButton);
        PrintSeam::setHandler(previous);
        QCOMPARE(TestSupport::pdfPageCount(pdf), 1);

        // The library lists the dataset with the snapshot as its picture.
        QTest::mousePress(viewer->bar()->datasetButton(), Qt::LeftButton);
        QCOMPARE(window.screenState(), int(MainWindow::Library));
        QTRY_VERIFY(tileOf(*window.datasetLibrary(), id));
        const ImageLabel* tilePicture = tileOf(*window.datasetLibrary(), id)->findChild<ImageLabel*>();
        const QPixmap expected = QPixmap::fromImage(snapshot).scaledToWidth(tilePicture->width(), Qt::SmoothTransformation);
        // The tile reads its picture when it is first painted.
        QTRY_COMPARE(tilePicture->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());
        QVERIFY(boxes.requests().size() == 1); // only "Connected to"
    }

    void spanwellTracksFollowTheProbe()
    {
        TestSupport::SimulatedWindow session(TestSupport::fastWalk(2), {800, 1280});
        MainWindow& window = session.window;
        RecordingWidget* screen = openRecordingScreen(session);
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
        BrolRecording recording;
        QVERIFY(recording.screen);
        auto& [scanner, boxes, window] = recording.session;
        RecordingWidget* screen = recording.screen;
        RecorderBase* recorder = recorderOf(recording.session);
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
        BrolRecording recording;
        QVERIFY(recording.screen);
        auto& [scanner, boxes, window] = recording.session;
        RecordingWidget* screen = recording.screen;
        const QStringList before = storedIds();
        QTest::mousePress(screen->recordButtonWidget(), Qt::LeftButton);   // armed, never started
        scanner.simulator().setSending(false);
        QTRY_COMPARE_WITH_TIMEOUT(window.screenState(), int(MainWindow::Welcome), 15000);
        QCOMPARE(boxes.requests().last().text, couldNotConnect);
        QCOMPARE(storedIds(), before);
    }

    void briefSilenceRecordsNoStaleSamples()
    {
        BrolRecording recording;
        QVERIFY(recording.screen);
        auto& [scanner, boxes, window] = recording.session;
        RecordingWidget* screen = recording.screen;
        RecorderBase* recorder = recorderOf(recording.session);
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
        TestSupport::SimulatedWindow session(TestSupport::fastWalk(170));
        RecordingWidget* screen = openRecordingScreen(session);
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
        QTRY_VERIFY(!recorderOf(session)->openTrack().empty());
        QTest::mousePress(screen->stopButtonWidget(), Qt::LeftButton);
        QCOMPARE(asked, 1);
        QCOMPARE(finished.size(), 0);
        QCOMPARE(session.window.screenState(), int(MainWindow::Record));
        QVERIFY(screen->currentDataset()->values().empty());
    }
};

SORVANEL_TEST_MAIN(RecordingEndToEndTest)
#include "test_recording_e2e.moc"
