#include "liveanalyses.h"

#include "acquisition/devices/probeinterface.h"
#include "acquisition/devices/recorderbase.h"
#include "app/devices/probesession.h"
#include "app/settingskeys.h"
#include "app/widgets/mainwindow.h"
#include "recording/widgets/recordingwidget.h"
#include "recording/widgets/visualizationchooser.h"
#include "scannersimulator.h"

#include <QToolButton>

namespace {
// The main window on the recording screen with view `index` chosen, recording.
bool startWalk(MainWindow& window, int index, const QSize& size, const std::function<void(int)>& settle)
{
    window.setGeometry(QRect(QPoint(0, 0), size));
    window.show();
    const ProbeSession* session = window.findChild<ProbeSession*>();
    for (int waited = 0; !session->probe() && waited < 8000; waited += 100)
        settle(100);
    if (!session->probe())
        return false;
    window.setRecordState();
    RecordingWidget* screen = window.recordingWidget();
    if (int(screen->visualizationChooser()->buttons().size()) <= index)
        return false;
    screen->visualizationChooser()->buttons()[std::size_t(index)]->click();
    settle(300);
    screen->startRecording();
    return true;
}
} // namespace

void shootLiveAnalyses(const QString& out, const QString& name, const QSize& size,
                       const std::function<void(int)>& settle, const std::function<void(const QString&)>& saveScreen)
{
    {
        MainWindow window;
        if (startWalk(window, 1, size, settle)) {
            auto* recorder = dynamic_cast<RecorderBase*>(window.findChild<ProbeSession*>()->probe()->recorder());
            recorder->pauseRecording(); // START: about 200 samples
            settle(12000);
            saveScreen(out + "/frequency-analysis-" + name + ".png");
            recorder->pauseRecording();
        }
    }
    const QVariant host = Settings::scannerHost.read();
    const QVariant port = Settings::scannerPort.read();
    ScannerSimulator::Options options;
    options.port = 0;
    options.probeId = 1;
    options.sensorControls = true;
    ScannerSimulator zSeries(options);
    if (zSeries.start()) {
        Settings::scannerHost.write(QStringLiteral("127.0.0.1"));
        Settings::scannerPort.write(int(zSeries.port()));
        MainWindow window;
        if (startWalk(window, 2, size, settle)) {
            settle(5000);
            saveScreen(out + "/gradient-analysis-" + name + ".png");
        }
    }
    Settings::scannerHost.write(host);
    Settings::scannerPort.write(port);
}
