#include "app/widgets/mainwindow.h"

#include "acquisition/devices/datarecorder.h"
#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/tonegenerator.h"
#include "acquisition/devices/wificonnection.h"
#include "app/appsettings.h"
#include "app/messagebox.h"
#include "app/widgets/navbar.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/dataset.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/transferdialogs.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/recordingwizard.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QGridLayout>
#include <QKeyEvent>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QVBoxLayout>

namespace {
const QString untitled = QStringLiteral("Sorvanel 3D");

QUrl& manualUrl()
{
    static QUrl url = MainWindow::onlineManualUrl;
    return url;
}

MainWindow::PositionSourceFactory& positionSourceFactory()
{
    static MainWindow::PositionSourceFactory factory;
    return factory;
}
} // namespace

const QUrl MainWindow::onlineManualUrl(QStringLiteral("https://manual.sorvanel3d.example/manual_en.pdf"));

void MainWindow::setManualUrl(const QUrl& url)
{
    manualUrl() = url;
}

void MainWindow::setPositionSourceFactory(PositionSourceFactory factory)
{
    positionSourceFactory() = std::move(factory);
}

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);

    welcome = new WelcomeScreen;
    wizard = new RecordingWizard;
    library = new DatasetViewer;
    navBar = new NavBar;
    central = new QWidget;
    vbox = new QVBoxLayout(central);
    vbox->setContentsMargins(0, 0, 0, 0);
    vbox->setSpacing(0);
    grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(welcome, 0, 0);
    grid->addWidget(library, 0, 0);
    grid->addWidget(wizard, 0, 0);
    vbox->addWidget(navBar);
    vbox->addLayout(grid, 1);
    central->setAttribute(Qt::WA_AcceptTouchEvents);

    setWelcomeState();

    connect(navBar, SIGNAL(connectButtonPushed()), this, SLOT(connectWifi()));
    connect(navBar, SIGNAL(backButtonPushed()), this, SLOT(goBack()));
    connect(navBar, SIGNAL(gpsButtonPushed()), this, SLOT(startPositioning()));
    connect(navBar, SIGNAL(fileImportButtonPushed()), this, SLOT(startFileTransferClient()));
    connect(welcome, SIGNAL(viewButtonClicked()), this, SLOT(setViewState()));
    connect(welcome, SIGNAL(recordButtonClicked()), this, SLOT(setWizardState()));
    connect(welcome, SIGNAL(helpButtonClicked()), this, SLOT(showInstructionManual()));
    connect(wizard, SIGNAL(done()), this, SLOT(setRecordState()));
    connect(library, SIGNAL(datasetSelected(QString, int)), this, SLOT(setVisualizationState(QString, int)));
    connect(library, SIGNAL(fileTransferInitiated(QString)), this, SLOT(startFileTransferServer(QString)));
    setCentralWidget(central);

    wifi = new WiFiConnection;
    connect(wifi, SIGNAL(connected()), this, SLOT(wifiConnected()));
    connect(wifi, SIGNAL(error(QString)), this, SLOT(wifiError(QString)));
    connect(&probeCheckTimer, SIGNAL(timeout()), this, SLOT(createProbe()));
    connect(&batteryTimer, SIGNAL(timeout()), this, SLOT(updateNavBarBattery()));
    probeCheckTimer.setSingleShot(true);

    batteryTimer.start(60000);
    connectWifi();
}

MainWindow::~MainWindow()
{
    probeCheckTimer.stop();
    batteryTimer.stop();
    clearVisualization();
    dropProbe();
    delete wifi;
}

// ---- screen states -------------------------------------------------------------------------

void MainWindow::hideScreens()
{
    welcome->hide();
    wizard->hide();
    if (recordingScreen)
        recordingScreen->hide();
    if (viewer)
        viewer->hide();
    library->hide();
}

void MainWindow::enterState(int state, QWidget* screen, const QString& title)
{
    previousState = currentState;
    currentState = state;
    hideScreens();
    screen->showMaximized();
    navBar->setTitle(title);
}

void MainWindow::setWelcomeState()
{
    hideScreens();
    previousState = Welcome;
    currentState = Welcome;
    welcome->showMaximized();
    navBar->setTitle(probe ? probe->displayName() : untitled);
    navBar->restoreSettingsMenu();
    navBar->setLanguageMenuVisible(true);
}

void MainWindow::setWizardState()
{
    if (!probe)
        return;
    enterState(Wizard, wizard, tr("RECORD SETTINGS"));
    navBar->setLanguageMenuVisible(false);
    navBar->restoreSettingsMenu();
    wizard->setProbe(probe);
    try {
        wizard->rebuildPages();
    } catch (const std::exception& e) {
        qDebug() << "Recording wizard:" << e.what();
        setWelcomeState();
    }
}

void MainWindow::setRecordState()
{
    if (!probe)
        return;
    // Gone before the next one attaches its dataset to the same recorder.
    dropRecordingScreen();
    recordingScreen = new RecordingWidget(probe);
    connect(recordingScreen, SIGNAL(finishedRecording(QString, int)), this,
            SLOT(setVisualizationState(QString, int)));
    grid->addWidget(recordingScreen, 0, 0);
    enterState(Record, recordingScreen, tr("RECORD"));
    navBar->setLanguageMenuVisible(false);
    navBar->restoreSettingsMenu();
}

void MainWindow::setViewState()
{
    enterState(Library, library, tr("DATASETS"));
    navBar->setLanguageMenuVisible(false);
    navBar->restoreSettingsMenu();
    library->reloadDatasets();
    grid->update();
}

void MainWindow::clearVisualization()
{
    if (!viewer)
        return;
    grid->removeWidget(viewer);
    viewer->hide();
    // The old viewer may still reach its dataset until it is gone.
    Dataset* shown = vizDataset.release();
    connect(viewer, &QObject::destroyed, [shown] { delete shown; });
    viewer->deleteLater();
    viewer = nullptr;
}

void MainWindow::setVisualizationState(QString name, int id)
{
    clearVisualization();
    vizProbeId = id;
    vizName = name;
    std::unique_ptr<Dataset> dataset;
    HeightFieldViewer* newViewer = nullptr;
    try {
        dataset.reset(createDatasetForProbe(id));
        newViewer = createViewer(id);
    } catch (const std::exception& e) {
        qDebug() << "Cannot show dataset" << name << ":" << e.what();
    }
    if (!dataset || !newViewer) {
        delete newViewer;
        setWelcomeState();
        return;
    }
    dataset->load(name);
    viewer = newViewer;
    vizDataset = std::move(dataset);
    grid->addWidget(viewer, 0, 0);
    enterState(Visualization, viewer, vizDataset->name());
    connect(viewer, SIGNAL(setDatasetViewMode()), this, SLOT(setViewState()));
    connect(viewer, SIGNAL(setRecordMode()), this, SLOT(setRecordState()));
    viewer->setDataset(vizDataset.get());
}

void MainWindow::goBack()
{
    if (currentState == Welcome) {
        const auto answer = MessageBox::question(this, QString(), tr("Do you really want to quit Sorvanel3D?"),
                                                 MessageBox::Yes | MessageBox::No);
        if (answer == MessageBox::Yes)
            QCoreApplication::exit(0);
    }
    if (currentState == Record && recordingScreen && recordingScreen->isRecording())
        return;

    switch (previousState) {
    case Wizard:
        setWizardState();
        previousState = NoScreen;
        break;
    case Record:
        setRecordState();
        previousState = NoScreen;
        break;
    case Library:
        setViewState();
        previousState = NoScreen;
        break;
    case Visualization:
        // Reloads the dataset; a further Back opens a fresh instance of the screen left now.
        setVisualizationState(vizName, vizProbeId);
        currentState = NoScreen;
        break;
    default:
        if (previousState <= 0)
            setWelcomeState();
        break;
    }
}

void MainWindow::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Back || event->key() == Qt::Key_Backspace) {
        goBack();
        event->accept();
        return;
    }
    QMainWindow::keyReleaseEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
}

// ---- scanner -------------------------------------------------------------------------------

void MainWindow::connectWifi()
{
    if (wifi->probeId() != 0 && connecting)
        return;
    qDebug() << " Connecting...";
    navBar->showConnecting();
    wifi->connectToScanner();
    connecting = true;
}

void MainWindow::wifiConnected()
{
    probeCheckTimer.start(500);
    connecting = false;
}

void MainWindow::createProbe()
{
    const int id = wifi->probeId();
    if (id == 0) {
        probeCheckTimer.start(250);
        return;
    }
    qDebug() << "Probe identified:" << id;
    if (!isKnownProbe(id)) {
        wifiError(QStringLiteral("Unknown Probe ID"));
        return;
    }
    // A reconnect to the same probe keeps its descriptor, and with it a recording under way.
    if (!probe || probeId != id) {
        ProbeInterface* identified = createProbeInterface(id);
        // The new recorder's tone generator looked for an audio device just now.
        if (!identified->recorder()->hasToneOutput())
            MessageBox::warning(this, QString(), ToneGenerator::noDeviceText());
        dropProbe();
        probe = identified;
        probeId = id;
        wifi->setRecorder(probe->recorder());
    }
    navBar->setConnected(true);
    MessageBox::information(this, tr("Information"), tr("Connected to ") + probe->displayName());
    navBar->setTitle(probe->displayName());
    navBar->setBatteryLevel(probe->recorder()->batteryLevel());
}

void MainWindow::dropRecordingScreen()
{
    if (!recordingScreen)
        return;
    grid->removeWidget(recordingScreen);
    delete recordingScreen;
    recordingScreen = nullptr;
}

void MainWindow::dropProbe()
{
    if (!probe)
        return;
    // The recording screen and the link use the descriptor's recorder: let go of it first.
    dropRecordingScreen();
    wifi->setRecorder(nullptr);
    delete probe;
    probe = nullptr;
    probeId = 0;
}

void MainWindow::wifiError(QString e)
{
    MessageBox::warning(this, e,
                        tr("Could not connect. Please make sure, you are connected to the correct Wifi "
                           "and the scanner is powered on."));
    navBar->setConnected(false);
    if (currentState == Wizard || currentState == Record)
        setWelcomeState();
    if (probe) {
        dropProbe();
        navBar->setTitle(untitled);
    }
    connecting = false;
}

void MainWindow::updateNavBarBattery()
{
    if (probe)
        navBar->setBatteryLevel(probe->recorder()->batteryLevel());
}

// ---- positioning ---------------------------------------------------------------------------

void MainWindow::startPositioning()
{
    if (positioningActive) {
        positionSource->stopUpdates();
        positioningActive = false;
    } else {
        if (!positionSource) {
            positionSource = positionSourceFactory() ? positionSourceFactory()(this)
                                                     : QGeoPositionInfoSource::createDefaultSource(this);
            if (!positionSource) {
                MessageBox::warning(this, QString(), tr("Could not position retrieval."));
                navBar->setGpsActive(positioningActive);
                return;
            }
            connect(positionSource, SIGNAL(positionUpdated(QGeoPositionInfo)), this,
                    SLOT(updatePosition(QGeoPositionInfo)));
            connect(positionSource, SIGNAL(error(QGeoPositionInfoSource::Error)), this,
                    SLOT(positionError(QGeoPositionInfoSource::Error)));
            connect(positionSource, &QGeoPositionInfoSource::updateTimeout, this,
                    [] { qDebug() << "Timeout while Positioning"; });
        }
        positioningActive = true;
        qDebug() << "Start Positioning from " << positionSource->sourceName();
        positionSource->setUpdateInterval(10000);
        positionSource->startUpdates();
    }
    navBar->setGpsActive(positioningActive);
}

void MainWindow::updatePosition(QGeoPositionInfo info)
{
    qDebug() << "Position updated:" << info;
    currentPosition = info.coordinate();
}

void MainWindow::positionError(QGeoPositionInfoSource::Error error)
{
    if (!positioningActive || error == QGeoPositionInfoSource::NoError)
        return;
    QString reason;
    switch (error) {
    case QGeoPositionInfoSource::AccessError:
        reason = tr("Sorvanel3D does not have the required priviliges");
        break;
    case QGeoPositionInfoSource::ClosedError:
        reason = tr("Positioning backend closed connection");
        break;
    case QGeoPositionInfoSource::UnknownSourceError:
        reason = tr("Unknown error");
        break;
    default:
        break;
    }
    positioningActive = false;
    navBar->setGpsActive(false);
    MessageBox::warning(this, QString(), tr("Could not retrieve position information. ") + reason);
    positionSource->stopUpdates();
    positionSource->deleteLater();
    positionSource = nullptr;
}

// ---- manual and transfers ------------------------------------------------------------------

void MainWindow::openLocalFile(const QString& path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void MainWindow::showInstructionManual()
{
    const QString folder = documentsFolder() + QStringLiteral("Manual/");
    const QString file = folder + QStringLiteral("manual_en.pdf");
    if (QFile::exists(file)) {
        openLocalFile(file);
        return;
    }
    QDir().mkpath(folder);
    auto* network = new QNetworkAccessManager(this);
    QNetworkReply* reply = network->get(QNetworkRequest(manualUrl()));
    connect(reply, &QNetworkReply::finished, this, [this, reply, file, network] {
        if (reply->error() == QNetworkReply::NoError) {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            qDebug() << "Response code: " << status;
            // Written whole or not at all, so a broken download never passes for the manual.
            QSaveFile out(file);
            if (status == 200 && reply->isReadable() && out.open(QIODevice::WriteOnly)) {
                out.write(reply->readAll());
                if (out.commit())
                    openLocalFile(file);
            }
        }
        reply->deleteLater();
        network->deleteLater();
    });
}

void MainWindow::startFileTransferServer(QString uuid)
{
    runTransferServer(this, uuid);
}

void MainWindow::startFileTransferClient()
{
    if (runTransferClient(this)) {
        libraryDirty = true;
        library->reloadDatasets();
    }
}
