#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/wificonnection.h"
#include "app/appsettings.h"
#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "app/widgets/waitingspinnerwidget.h"
#include "app/settingskeys.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/datasetbrolsensor.h"
#include "datasets/widgets/datasetviewer.h"
#include "recording/widgets/recordingwidget.h"
#include "testenvironment.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QNmeaPositionInfoSource>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>

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

// A receiver's serial line: what is fed in becomes readable, announced by readyRead.
class SerialFeed : public QIODevice
{
public:
    explicit SerialFeed(QObject* parent) : QIODevice(parent) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override { return pending.size() + QIODevice::bytesAvailable(); }
    bool canReadLine() const override { return pending.contains('\n') || QIODevice::canReadLine(); }
    void feed(const QByteArray& bytes)
    {
        pending += bytes;
        emit readyRead();
    }

protected:
    qint64 readData(char* data, qint64 max) override
    {
        const qint64 n = std::min<qint64>(max, pending.size());
        memcpy(data, pending.constData(), size_t(n));
        pending.remove(0, int(n));
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray pending;
};

// Answers every HTTP request on loopback with one fixed response.
class OneFileServer : public QObject
{
public:
    explicit OneFileServer(QByteArray body, int status = 200)
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this, body, status] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, body, status] {
                socket->readAll();
                socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: application/pdf\r\n"
                              "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/manual_en.pdf").arg(server.serverPort())); }
    QTcpServer server;
};

// A manual served from loopback, no local copy yet, no scanner, and the desktop's URL
// opening caught.
struct ManualDownload
{
    ManualDownload(const QByteArray& body, int status)
        : server(body, status)
        , local(documentsFolder() + "Manual/manual_en.pdf")
    {
        MainWindow::setManualUrl(server.url());
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        QFile::remove(local);
    }
    ~ManualDownload() { MainWindow::setManualUrl(MainWindow::onlineManualUrl); }

    OneFileServer server;
    UrlCatcher urls;
    TestSupport::MessageBoxSpy boxes;
    QString local;
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
        MainWindow::setPositionSourceFactory(nullptr);
    }

    void identifiesTheSimulatedProbe()
    {
        TestSupport::InProcessScanner scanner;
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel 3D"));
        QTRY_VERIFY_WITH_TIMEOUT(window.currentProbe() != nullptr, 5000);
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Information);
        QCOMPARE(boxes.requests()[0].title, QString("Information"));
        QCOMPARE(boxes.requests()[0].text, QString("Connected to Sorvanel Brol Sensor"));
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel Brol Sensor"));
        QVERIFY(!window.navigationBar()->spinnerWidget()->isSpinning());

        // Connecting again to the same probe keeps its descriptor.
        ProbeInterface* first = window.currentProbe();
        window.connectWifi();
        QTRY_COMPARE_WITH_TIMEOUT(boxes.requests().size(), 2, 3000);
        QCOMPARE(window.currentProbe(), first);
    }

    void noScannerShowsTheLinkError()
    {
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
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
        QVERIFY(!window.currentProbe());
    }

    void linkErrorLeavesTheRecordingScreens()
    {
        TestSupport::InProcessScanner scanner;
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(window.currentProbe() != nullptr, 5000);
        window.setWizardState();
        QCOMPARE(window.screenState(), int(MainWindow::Wizard));
        window.setRecordState();
        QCOMPARE(window.screenState(), int(MainWindow::Record));
        window.wifiError("Connection Time Out");
        QCOMPARE(window.screenState(), int(MainWindow::Welcome));
        QVERIFY(!window.currentProbe());
        QVERIFY(!window.recordingWidget());
        QCOMPARE(window.navigationBar()->title(), QString("Sorvanel 3D"));

        // On the library the screen stays.
        window.setViewState();
        window.wifiError("Connection Time Out");
        QCOMPARE(window.screenState(), int(MainWindow::Library));
    }

    void backSequences()
    {
        const QString id = storeDataset("Field A");
        TestSupport::InProcessScanner scanner;
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        QTRY_VERIFY_WITH_TIMEOUT(window.currentProbe() != nullptr, 5000);

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

    void positioningFromAnInjectedSource()
    {
        int made = 0;
        QFile nmea(QFINDTESTDATA("data/fix.nmea"));
        QVERIFY(nmea.open(QIODevice::ReadOnly));
        const QByteArray sentences = nmea.readAll();
        MainWindow::setPositionSourceFactory([&made, sentences](QObject* parent) -> QGeoPositionInfoSource* {
            ++made;
            auto* source = new QNmeaPositionInfoSource(QNmeaPositionInfoSource::RealTimeMode, parent);
            auto* device = new SerialFeed(source);
            source->setDevice(device);
            // The receiver starts talking once updates were asked for.
            QTimer::singleShot(50, device, [device, sentences] { device->feed(sentences); });
            return source;
        });
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        currentPosition = QGeoCoordinate(0, 0);
        window.startPositioning();
        QVERIFY(window.isPositioning());
        // The window asks for an update every 10 s; the first fix arrives on that tick.
        QTRY_COMPARE_WITH_TIMEOUT(qRound(currentPosition.latitude() * 1000), 52500, 15000);
        QCOMPARE(qRound(currentPosition.longitude() * 1000), 13375);

        window.startPositioning();                  // pressed twice: stops
        QVERIFY(!window.isPositioning());
        QCOMPARE(made, 1);
        window.startPositioning();                  // the same source again
        QCOMPARE(made, 1);
        window.positionError(QGeoPositionInfoSource::ClosedError);
        QVERIFY(!window.isPositioning());
        const MessageBox::Request* box = lastBox(boxes);
        QVERIFY(box);
        QCOMPARE(box->text, QString("Could not retrieve position information. Positioning backend closed connection"));
        window.startPositioning();                  // after an error: a new source
        QCOMPARE(made, 2);
        window.startPositioning();
    }

    void noPositionSource()
    {
        MainWindow::setPositionSourceFactory([](QObject*) { return nullptr; });
        Settings::scannerPort.write(int(TestSupport::closedLoopbackPort()));
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        window.startPositioning();
        QVERIFY(!window.isPositioning());
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].text, QString("Could not position retrieval."));
    }

    void manualIsDownloadedOnceThenOpened()
    {
        const QByteArray pdf = "%PDF-1.4 manual";
        ManualDownload download(pdf, 200);
        MainWindow window;
        window.showInstructionManual();
        QTRY_COMPARE_WITH_TIMEOUT(download.urls.opened.size(), 1, 5000);
        QCOMPARE(download.urls.opened[0], QUrl::fromLocalFile(download.local));
        QFile file(download.local);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), pdf);

        download.server.server.close();             // a second press opens the local copy
        window.showInstructionManual();
        QCOMPARE(download.urls.opened.size(), 2);
    }

    void failedManualDownloadWritesNothing()
    {
        ManualDownload download("not found", 404);
        MainWindow window;
        window.showInstructionManual();
        QTest::qWait(1000);
        QVERIFY(download.urls.opened.isEmpty());
        QVERIFY(!QFile::exists(download.local));
    }
};

SORVANEL_TEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
