#include "app/widgets/mainwindow.h"

#include "acquisition/devices/probefactory.h"
#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/tonegenerator.h"
#include "app/appsettings.h"
#include "app/devices/manualdownload.h"
#include "app/devices/positiontracker.h"
#include "app/devices/probesession.h"
#include "app/messagebox.h"
#include "app/widgets/navbar.h"
#include "app/widgets/welcomescreen.h"
#include "datasets/dataset.h"
#include "datasets/datasetstore.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/deleteddatasetsdialog.h"
#include "datasets/widgets/transferdialogs.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/recordingwizard.h"
#include "visualization/widgets/heightfieldviewer.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QUrl>
#include <QVBoxLayout>

namespace {
const QString untitled = QStringLiteral("Sorvanel 3D");
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_AcceptTouchEvents);
    session = new ProbeSession(this);
    positioning = new PositionTracker(this);
    manual = new ManualDownload(this);

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

    connect(manual, &ManualDownload::readyToOpen, this,
            [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); });
    connect(navBar, SIGNAL(backButtonPushed()), this, SLOT(goBack()));
    connect(navBar, SIGNAL(fileImportButtonPushed()), this, SLOT(startFileTransferClient()));
    connect(navBar, &NavBar::deletedDatasetsButtonPushed, this, &MainWindow::showDeletedDatasets);
    connect(welcome, SIGNAL(viewButtonClicked()), this, SLOT(setViewState()));
    connect(welcome, SIGNAL(recordButtonClicked()), this, SLOT(setWizardState()));
    connect(welcome, &WelcomeScreen::helpButtonClicked, manual, &ManualDownload::request);
    connect(wizard, SIGNAL(done()), this, SLOT(setRecordState()));
    connect(library, SIGNAL(datasetSelected(QString, int)), this, SLOT(setVisualizationState(QString, int)));
    connect(library, SIGNAL(fileTransferInitiated(QString)), this, SLOT(startFileTransferServer(QString)));
    setCentralWidget(central);

    wirePositioning();
    wireProbeSession();
    session->connectToScanner();
}

MainWindow::~MainWindow()
{
    clearVisualization();
    // The recording screen uses the descriptor's recorder; the session takes both with it.
    dropRecordingScreen();
}

void MainWindow::wirePositioning()
{
    connect(navBar, &NavBar::gpsButtonPushed, positioning, &PositionTracker::toggle);
    connect(positioning, &PositionTracker::activeChanged, navBar, &NavBar::setGpsActive);
    connect(positioning, &PositionTracker::sourceUnavailable, this,
            [this] { MessageBox::warning(this, QString(), tr("Could not position retrieval.")); });
    connect(positioning, &PositionTracker::failed, this, [this](const QString& reason) {
        MessageBox::warning(this, QString(), tr("Could not retrieve position information. ") + reason);
    });
}

void MainWindow::wireProbeSession()
{
    connect(navBar, &NavBar::connectButtonPushed, session, &ProbeSession::connectToScanner);
    connect(session, &ProbeSession::connectionStarted, navBar, &NavBar::showConnecting);
    connect(session, &ProbeSession::audioUnavailable, this,
            [this] { MessageBox::warning(this, QString(), ToneGenerator::noDeviceText()); });
    connect(session, &ProbeSession::probeReleasing, this, &MainWindow::dropRecordingScreen);
    connect(session, &ProbeSession::identified, this, &MainWindow::probeIdentified);
    connect(session, &ProbeSession::failed, this, &MainWindow::connectionFailed);
    connect(session, &ProbeSession::batteryRead, navBar, &NavBar::setBatteryLevel);
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
    ProbeInterface* probe = session->probe();
    navBar->setTitle(probe ? probe->displayName() : untitled);
    navBar->restoreSettingsMenu();
    navBar->setLanguageMenuVisible(true);
}

void MainWindow::setWizardState()
{
    ProbeInterface* probe = session->probe();
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
    ProbeInterface* probe = session->probe();
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
    if (const Outcome loaded = dataset->load(name); !loaded) {
        qWarning().noquote() << "Cannot load dataset" << name << ":" << loaded.failure().reason;
        MessageBox::critical(this, datasetLoadFailureTitle(), loaded.failure().text);
    }
    viewer = newViewer;
    vizDataset = std::move(dataset);
    grid->addWidget(viewer, 0, 0);
    enterState(Visualization, viewer, vizDataset->name());
    connect(viewer, SIGNAL(setDatasetViewMode()), this, SLOT(setViewState()));
    connect(viewer, SIGNAL(setRecordMode()), this, SLOT(setRecordState()));
    connect(viewer, &HeightFieldViewer::viewMenuChanged, navBar, &NavBar::setSettingsMenu);
    navBar->setSettingsMenu(viewer->currentViewMenu());
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

void MainWindow::probeIdentified()
{
    const QString name = session->probe()->displayName();
    navBar->setConnected(true);
    MessageBox::information(this, tr("Information"), tr("Connected to ") + name);
    navBar->setTitle(name);
    navBar->setBatteryLevel(session->batteryLevel());
}

void MainWindow::dropRecordingScreen()
{
    if (!recordingScreen)
        return;
    grid->removeWidget(recordingScreen);
    delete recordingScreen;
    recordingScreen = nullptr;
}

void MainWindow::connectionFailed(const QString& reason)
{
    // What was walked is saved before the recording screen goes with the descriptor.
    const QString saved = recordingScreen ? recordingScreen->saveInterruptedRecording() : QString();
    QString text = tr("Could not connect. Please make sure, you are connected to the correct Wifi "
                      "and the scanner is powered on.");
    if (!saved.isEmpty())
        text += QLatin1Char(' ') + tr("The recording so far was saved as \"%1\".").arg(saved);
    MessageBox::warning(this, reason, text);
    navBar->setConnected(false);
    if (currentState == Wizard || currentState == Record)
        setWelcomeState();
    // The session lets go of the descriptor next.
    if (session->probe())
        navBar->setTitle(untitled);
}

// ---- transfers -----------------------------------------------------------------------------

void MainWindow::startFileTransferServer(QString uuid)
{
    runTransferServer(this, uuid);
}

void MainWindow::showDeletedDatasets()
{
    auto* dialog = new DeletedDatasetsDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &DeletedDatasetsDialog::datasetsRestored, library, &DatasetViewer::reloadDatasets);
    dialog->open();
}

void MainWindow::startFileTransferClient()
{
    if (runTransferClient(this)) {
        libraryDirty = true;
        library->reloadDatasets();
    }
}
