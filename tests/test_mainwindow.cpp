#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/wificonnection.h"
#include "app/appsettings.h"
#include "app/devices/manualdownload.h"
#include "app/devices/positiontracker.h"
#include "app/devices/probesession.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "datasets/widgets/waitingspinnerwidget.h"
#include "app/settingskeys.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/familyclasses.h"
#include "datasets/widgets/datasetviewer.h"
#include "recording/widgets/recordingwidget.h"
#include "testenvironment.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QNmeaPositionInfoSource>

namespace {
// Receives the URLs the program asks the desktop to open.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler("file", this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

ProbeSession* sessionOf(const MainWindow& window)
{
    return window.findChild<ProbeSession*>();
}

// The window on the simulated Brol sensor, its boxes answered.
struct ConnectedWindow
{
    bool identified() { return QTest::qWaitFor([this] { return sessionOf(window)->probe() != nullptr; }, 5000); }

    TestSupport::InProcessScanner scanner;
    TestSupport::MessageBoxSpy boxes;
    MainWindow window;
};

struct ClosedScannerPort
{
    ClosedScannerPort() { Settings::scannerPort.write(int(TestSupport::closedLoopbackPort())); }
};

// The window with no scanner to reach, its boxes answered.
struct OfflineWindow
{
    ClosedScannerPort port;
    TestSupport::MessageBoxSpy boxes;
    MainWindow window;
};

QString storeDataset(const QString& name)
{
    DataSetBrolSensor dataset;
    dataset.setName(name);
    for (int t = 0; t < 3; ++t)
        dataset.appendTrack(std::vector<std::int16_t>(20, std::int16_t(100 * t)));
    if (!dataset.save())
        qFatal("test dataset not saved");
    libraryDirty = true;
    return dataset.id();
}

const MessageBox::Request* lastBox(const TestSupport::MessageBoxSpy& boxes)
{
    return boxes.requests().isEmpty() ? nullptr : &boxes.requests().last();
}
} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        PositionTracker::setSourceFactory(nullptr);
    }

    void showsTheConnectedProbe()
    {
        ConnectedWindow connected;
        MainWindow& window = connected.window;
        const TestSupport::MessageBoxSpy& boxes = connected.boxes;
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel 3D"));
        QVERIFY(connected.identified());
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Information);
        QCOMPARE(boxes.requests()[0].title, QString("Information"));
        QCOMPARE(boxes.requests()[0].text, QString("Connected to Sorvanel Brol Sensor"));
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel Brol Sensor"));
        QVERIFY(!window.navigationBar()->spinnerWidget()->isSpinning());

        // The connect button connects again, and again the box says so.
        emit window.navigationBar()->connectButtonPushed();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.requests().size(), 2, 3000);
    }

    void noScannerShowsTheLinkError()
    {
        OfflineWindow offline;
        MainWindow& window = offline.window;
        const TestSupport::MessageBoxSpy& boxes = offline.boxes;
        QTRY_COMPARE_WITH_TIMEOUT(boxes.requests().size(), 1, 6000);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QCOMPARE(boxes.requests()[0].title, QString("Connection Time Out"));
        QVERIFY(boxes.requests()[0].text.startsWith("Could not connect. Please make sure"));
        // No probe: the wizard and the recording screen cannot be entered.
        window.setWizardState();
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        window.setRecordState();
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        QVERIFY(!window.recordingWidget());
    }

    void unknownProbeIsReportedLikeALinkError()
    {
        ScannerSimulator::Options options;
        options.probeId = 99;
        TestSupport::InProcessScanner scanner(options);
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(!boxes.requests().isEmpty(), 5000);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QCOMPARE(boxes.requests()[0].title, QString("Unknown Probe ID"));
    }

    void linkErrorLeavesTheRecordingScreens()
    {
        ConnectedWindow connected;
        MainWindow& window = connected.window;
        QVERIFY(connected.identified());
        WiFiConnection* link = sessionOf(window)->link();
        window.setWizardState();
        QCOMPARE(window.screenState(), int(MainWindow::Wizard));
        window.setRecordState();
        QCOMPARE(window.screenState(), int(MainWindow::Record));
        emit link->error("Connection Time Out");
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        QVERIFY(!sessionOf(window)->probe());
        QVERIFY(!window.recordingWidget());
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel 3D"));
        QCOMPARE(lastBox(connected.boxes)->title, QString("Connection Time Out"));

        // On the library the screen stays.
        window.setViewState();
        emit link->error("Connection Time Out");
        QCOMPARE(window.screenState(), int(MainWindow::Library));
    }

    void backSequences()
    {
        const QString id = storeDataset("Field A");
        ConnectedWindow connected;
        MainWindow& window = connected.window;
        TestSupport::MessageBoxSpy& boxes = connected.boxes;
        QVERIFY(connected.identified());

        // Quit answered No stays on the welcome screen.
        boxes.clear();
        boxes.queueAnswer(MessageBox::No);
        window.goBack();
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Question);
        QCOMPARE(boxes.requests()[0].text, QString("Do you really want to quit Sorvanel3D?"));
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));

        // Library -> 3D view -> Back -> library -> Back -> welcome.
        window.setViewState();
        emit window.datasetLibrary()->datasetSelected(id, 170);
        QCOMPARE(window.screenState(), int(MainWindow::Visualization));
        QCOMPARE(window.navigationBar()->title(), QString("Field A"));
        QVERIFY(window.heightFieldViewer()->dataset());
        QCOMPARE(window.heightFieldViewer()->dataset()->values().size(), std::size_t(60));
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::Library));
        QCOMPARE(window.backState(), int(MainWindow::NoScreen));
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));

        // From the 3D view Back reloads the screen pressed on: the library's view becomes -1.
        window.setViewState();
        window.setVisualizationState(id, 170);
        window.setViewState();
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::NoScreen));
        QCOMPARE(window.backState(), int(MainWindow::Library));
        QVERIFY(window.heightFieldViewer());
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::Library));

        // Back during a recording does nothing.
        window.setRecordState();
        window.recordingWidget()->startRecording();
        window.goBack();
        QCOMPARE(window.screenState(), int(MainWindow::Record));
        QKeyEvent backspace(QEvent::KeyRelease, Qt::Key_Backspace, Qt::NoModifier);
        QApplication::sendEvent(&window, &backspace);
        QCOMPARE(window.screenState(), int(MainWindow::Record));
    }

    void aDatasetThatFailsToLoadShowsTheErrorBox()
    {
        OfflineWindow offline;
        offline.window.setVisualizationState("missing", 170);
        QCOMPARE(offline.boxes.requests().size(), 1);
        QCOMPARE(offline.boxes.requests()[0].kind, MessageBox::Kind::Critical);
        QCOMPARE(offline.boxes.requests()[0].title, QString("Error Loading File"));
        QCOMPARE(offline.boxes.requests()[0].text, QString("The dataset's value file is missing or damaged."));
        QCOMPARE(offline.window.screenState(), int(MainWindow::Visualization));
    }

    void positioningErrorShowsItsReason()
    {
        QGeoPositionInfoSource* made = nullptr;
        PositionTracker::setSourceFactory([&made](QObject* parent) {
            made = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent);
            static_cast<QNmeaPositionInfoSource*>(made)->setDevice(new QBuffer(made));
            return made;
        });
        OfflineWindow offline;
        emit offline.window.navigationBar()->gpsButtonPushed();
        QVERIFY(offline.window.findChild<PositionTracker*>()->isActive());
        emit made->error(QGeoPositionInfoSource::ClosedError);
        const MessageBox::Request* box = lastBox(offline.boxes);
        QVERIFY(box);
        QCOMPARE(box->kind, MessageBox::Kind::Warning);
        QCOMPARE(box->text, QString("Could not retrieve position information. Positioning backend closed connection"));
    }

    void noPositionSource()
    {
        PositionTracker::setSourceFactory([](QObject*) { return nullptr; });
        OfflineWindow offline;
        emit offline.window.navigationBar()->gpsButtonPushed();
        QVERIFY(!offline.window.findChild<PositionTracker*>()->isActive());
        QCOMPARE(offline.boxes.requests().size(), 1);
        QCOMPARE(offline.boxes.requests()[0].text, QString("Could not position retrieval."));
    }

    void helpOpensTheManualWithTheDesktop()
    {
        const QString local = ManualDownload::localFile();
        QDir().mkpath(QFileInfo(local).path());
        QFile file(local);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        UrlCatcher urls;
        OfflineWindow offline;
        emit offline.window.welcomeScreen()->helpButtonClicked();
        QCOMPARE(urls.opened, QList<QUrl>{QUrl::fromLocalFile(local)});
        QFile::remove(local);
    }
};

SORVANEL_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
