#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class ProbeInterface;
class WiFiConnection;

// The link to the scanner and the descriptor of the probe on it: connects, polls the link
// for the probe id, makes the descriptor through the factory and reads the battery. Shows
// nothing; the window hears of each step through the signals.
class ProbeSession : public QObject
{
    Q_OBJECT
public:
    explicit ProbeSession(QObject* parent = nullptr);
    ~ProbeSession() override;

    // Ignored while an attempt is under way on a link that already knows its probe.
    void connectToScanner();
    WiFiConnection* link() const { return wifi; }
    // Null until a probe is identified, and again after a link error.
    ProbeInterface* probe() const { return current; }
    int batteryLevel() const;

signals:
    void connectionStarted();
    // A descriptor was just made whose recorder found no audio device.
    void audioUnavailable();
    // The descriptor goes next: whatever uses its recorder lets go of it now.
    void probeReleasing();
    void identified();
    void failed(QString reason);
    void batteryRead(int percent);

private:
    void linkConnected();
    void identify();
    void fail(const QString& reason);
    void releaseProbe();
    void readBattery();

    WiFiConnection* wifi = nullptr;
    ProbeInterface* current = nullptr;
    int currentId = 0; // the id the descriptor was made for
    bool connecting = false;
    QTimer probeCheckTimer;
    QTimer batteryTimer;
};
