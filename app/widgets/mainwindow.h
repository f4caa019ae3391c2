#pragma once

#include <QGeoPositionInfo>
#include <QGeoPositionInfoSource>
#include <QMainWindow>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>

class Dataset;
class DatasetViewer;
class HeightFieldViewer;
class NavBar;
class ProbeInterface;
class QGridLayout;
class QVBoxLayout;
class RecordingWidget;
class RecordingWizard;
class WelcomeScreen;
class WiFiConnection;

// The program's single window and navigator: the navigation bar over five screens shown one
// at a time, a one-step Back, the connect-and-identify sequence with the scanner, the battery
// refresh, GPS positioning, the instruction manual and the dataset transfers.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum ScreenState { NoScreen = -1, Welcome = 0, Wizard = 1, Record = 2, Library = 3, Visualization = 4 };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Where the manual is fetched from when no local copy exists.
    static const QUrl onlineManualUrl;
    // Tests point the download at a local server and supply the position source.
    static void setManualUrl(const QUrl& url);
    using PositionSourceFactory = std::function<QGeoPositionInfoSource*(QObject* parent)>;
    static void setPositionSourceFactory(PositionSourceFactory factory);

    // For tests and the screenshots.
    int screenState() const { return currentState; }
    int backState() const { return previousState; }
    WiFiConnection* link() const { return wifi; }
    ProbeInterface* currentProbe() const { return probe; }
    NavBar* navigationBar() const { return navBar; }
    WelcomeScreen* welcomeScreen() const { return welcome; }
    RecordingWizard* recordingWizard() const { return wizard; }
    RecordingWidget* recordingWidget() const { return recordingScreen; }
    DatasetViewer* datasetLibrary() const { return library; }
    HeightFieldViewer* heightFieldViewer() const { return viewer; }
    bool isPositioning() const { return positioningActive; }

public slots:
    void setViewState();
    void setWizardState();
    void setWelcomeState();
    void setRecordState();
    void setVisualizationState(QString name, int id);
    void showInstructionManual();
    void connectWifi();
    void wifiConnected();
    void wifiError(QString e);
    void createProbe();
    void goBack();
    void updateNavBarBattery();
    void startPositioning();
    void updatePosition(QGeoPositionInfo info);
    void positionError(QGeoPositionInfoSource::Error error);
    void startFileTransferServer(QString uuid);
    void startFileTransferClient();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void enterState(int state, QWidget* screen, const QString& title);
    void hideScreens();
    void dropProbe();
    void dropRecordingScreen();
    void clearVisualization();
    void openLocalFile(const QString& path);

    WiFiConnection* wifi = nullptr;
    ProbeInterface* probe = nullptr;
    int probeId = 0; // the id the descriptor was made for
    NavBar* navBar = nullptr;
    QWidget* central = nullptr;
    QVBoxLayout* vbox = nullptr;
    QGridLayout* grid = nullptr;
    int previousState = NoScreen;
    int currentState = NoScreen;
    int vizProbeId = 0;
    QString vizName;
    WelcomeScreen* welcome = nullptr;
    RecordingWizard* wizard = nullptr;
    RecordingWidget* recordingScreen = nullptr;
    DatasetViewer* library = nullptr;
    HeightFieldViewer* viewer = nullptr;
    // The dataset shown in the 3D view; the viewer only holds it.
    std::unique_ptr<Dataset> vizDataset;
    QGeoPositionInfoSource* positionSource = nullptr;
    bool positioningActive = false;
    bool connecting = false;
    QTimer probeCheckTimer;
    QTimer batteryTimer;
};
