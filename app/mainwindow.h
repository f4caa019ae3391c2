#pragma once

#include <QMainWindow>
#include <QTimer>

class QLabel;
class WiFiConnection;

// The top-level window. For now it runs the connect-and-identify sequence with the scanner
// and shows the link's state; the screens are added as they are built.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    WiFiConnection* link() const { return wifi; }

public slots:
    void connectWifi();
    void wifiConnected();
    void wifiError(QString e);
    void createProbe();

private:
    WiFiConnection* wifi = nullptr;
    QLabel* status = nullptr;
    QTimer probeCheckTimer;
    bool connecting = false;
};
