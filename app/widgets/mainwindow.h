#pragma once

#include <QMainWindow>
#include <memory>

class Dataset;
class DatasetViewer;
class HeightFieldViewer;
class ManualDownload;
class NavBar;
class PositionTracker;
class ProbeSession;
class QGridLayout;
class QVBoxLayout;
class RecordingWidget;
class RecordingWizard;
class WelcomeScreen;

// The program's single window and navigator: the navigation bar over five screens shown one
// at a time and a one-step Back. It wires the probe session, the positioning and the manual
// download to the screens and shows their message boxes, and starts the dataset transfers.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    enum ScreenState { NoScreen = -1, Welcome = 0, Wizard = 1, Record = 2, Library = 3, Visualization = 4 };

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // For tests and the screenshots.
    int screenState() const { return currentState; }
    int backState() const { return previousState; }
    NavBar* navigationBar() const { return navBar; }
    WelcomeScreen* welcomeScreen() const { return welcome; }
    RecordingWizard* recordingWizard() const { return wizard; }
    RecordingWidget* recordingWidget() const { return recordingScreen; }
    DatasetViewer* datasetLibrary() const { return library; }
    HeightFieldViewer* heightFieldViewer() const { return viewer; }

public slots:
    void setViewState();
    void setWizardState();
    void setWelcomeState();
    void setRecordState();
    void setVisualizationState(QString name, int id);
    void goBack();
    void startFileTransferServer(QString uuid);
    void startFileTransferClient();

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The trash: restored datasets reach the library at once.
    void showDeletedDatasets();
    void wireProbeSession();
    void wirePositioning();
    void probeIdentified();
    void connectionFailed(const QString& reason);
    void enterState(int state, QWidget* screen, const QString& title);
    void hideScreens();
    void dropRecordingScreen();
    void clearVisualization();

    ProbeSession* session = nullptr;
    PositionTracker* positioning = nullptr;
    ManualDownload* manual = nullptr;
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
};
