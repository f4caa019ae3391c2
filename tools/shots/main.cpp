// Screenshots of the running program for review: the main window connected to an in-process
// scanner simulator on 127.0.0.1, in landscape and portrait, with and without the settings
// menu open. Runs in a throw-away home folder. Usage: sorvanel-shots OUTPUT_DIR [LANGUAGE]
// (under Xvfb: scripts/screenshots.sh).
#include "acquisition/devices/probeinterface.h"
#include "app/appsettings.h"
#include "app/devices/probesession.h"
#include "app/language.h"
#include "app/widgets/look.h"
#include "app/widgets/modalbuttonrelease.h"
#include "app/widgets/mainwindow.h"
#include "app/messagebox.h"
#include "app/widgets/navbar.h"
#include "app/resources.h"
#include "acquisition/devices/recorderbase.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/visualizationchooser.h"
#include "app/settingskeys.h"
#include "scannersimulator.h"
#include "liveanalyses.h"
#include "libraryselection.h"
#include "storedsamples.h"
#include "heightfield.h"
#include "library.h"
#include "deleteddatasets.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QToolButton>

namespace {
void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool waitFor(const std::function<bool()>& done, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        settle(50);
    return done();
}

void saveScreen(const QString& path)
{
    QGuiApplication::primaryScreen()->grabWindow(0).save(path);
    QTextStream(stdout) << path << Qt::endl;
}

void shoot(const QString& out, const QString& name, const QSize& size)
{
    MainWindow window;
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    const ProbeSession* session = window.findChild<ProbeSession*>();
    if (!waitFor([&] { return session->probe() != nullptr; }, 8000))
        QTextStream(stderr) << "no probe identified" << Qt::endl;
    settle(800);
    saveScreen(out + "/welcome-" + name + ".png");

    QToolButton* settings = window.navigationBar()->settingsButtonWidget();
    QMenu* menu = window.navigationBar()->currentSettingsMenu();
    menu->popup(settings->mapToGlobal(QPoint(0, settings->height())));
    settle(500);
    saveScreen(out + "/settings-menu-" + name + ".png");
    menu->close();

    window.setWizardState();
    settle(500);
    saveScreen(out + "/wizard-" + name + ".png");
    window.setRecordState();
    settle(500);
    saveScreen(out + "/recording-" + name + ".png");

    // Three tracks walked with the field preview shown.
    RecordingWidget* screen = window.recordingWidget();
    screen->visualizationChooser()->buttons().front()->click();
    settle(300);
    screen->startRecording();
    auto* recorder = dynamic_cast<RecorderBase*>(session->probe()->recorder());
    for (int track = 0; track < 3; ++track) {
        recorder->pauseRecording();
        settle(2500);
        recorder->pauseRecording();
        recorder->changeRow();
    }
    recorder->pauseRecording();
    settle(1200);
    saveScreen(out + "/field-preview-" + name + ".png");
    recorder->pauseRecording();
}
} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: sorvanel-shots OUTPUT_DIR [LANGUAGE]" << Qt::endl;
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(out);

    initResources();
    screenDpi = QGuiApplication::primaryScreen()->logicalDotsPerInch();
    QDir().mkpath(documentsFolder() + "config");
    openAppSettings(defaultSettingsPath());
    initLanguage(QStringLiteral("en_US"));
    if (argc > 2)
        setLanguage(QString::fromLocal8Bit(argv[2]));
    applyLook(app, screenDpi);
    releaseButtonsWhenModalOpens(app);

    ScannerSimulator::Options options;
    options.port = 0;
    ScannerSimulator simulator(options);
    if (!simulator.start())
        return 1;
    Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
    Settings::scannerPort.write(int(simulator.port()));
    MessageBox::setHandler([](const MessageBox::Request& request) {
        QTextStream(stdout) << "box: " << request.title << " | " << request.text << Qt::endl;
        return MessageBox::Ok;
    });

    const QSize screen = QGuiApplication::primaryScreen()->size();
    const QString name = screen.width() >= screen.height() ? "landscape" : "portrait";
    shoot(out, name, screen);
    shootLiveAnalyses(out, name, screen, settle, saveScreen);
    shootLibrarySelection(out, name, screen, settle, saveScreen);
    shootHeightField(out, name, screen, settle, saveScreen);
    shootLibrary(out, name, screen, settle, saveScreen);
    shootDeletedDatasets(out, name, screen, settle, saveScreen);
    shootStoredDatasets(out, name, screen, settle, saveScreen);
    return 0;
}
