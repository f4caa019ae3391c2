#pragma once

#include "surveyfield.h"

#include <QHostAddress>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A stand-in for the scanner: a TCP server that sends probe messages of a synthetic survey
// to every client, with optional fault modes. Used by the simulator program and in-process
// by the tests.
class ScannerSimulator : public QObject
{
    Q_OBJECT
public:
    struct Options
    {
        QHostAddress host = QHostAddress::LocalHost;
        quint16 port = 9876;          // 0 picks a free port
        int probeId = 170;
        int intervalMs = 40;
        bool encipher = true;
        int battery = 87;
        int silentAfter = -1;         // stop sending (keep the connection) after N messages
        int closeAfter = -1;          // close the connection after N messages
        bool shortMessages = false;   // every third message is cut short
        bool garbage = false;         // every third message carries random bytes after byte 0
        int batteryDrainSeconds = 60; // the battery loses one percent this often; 0 keeps it
        bool sensorControls = false;  // Z-Series: the probe's trigger and toggle drive the recording
        double trackSeconds = 8.0;    // walking one track
        double stopSeconds = 1.5;     // standing still after a track
    };

    explicit ScannerSimulator(const Options& options, QObject* parent = nullptr);
    ~ScannerSimulator() override;

    bool start();
    QString errorString() const;
    quint16 port() const;
    int clientCount() const { return int(clients.size()); }
    // Messages sent to all clients together.
    int messagesSent() const { return totalSent; }

    // A scanner that goes out of reach: off keeps the connections open but sends nothing.
    void setSending(bool on) { sending = on; }

    // The message a client gets as its `index`-th (0-based), fault modes applied.
    QByteArray messageAt(int index);

signals:
    void clientConnected();

private slots:
    void acceptClients();
    void sendToClients();

private:
    struct Client
    {
        QTcpSocket* socket;
        int sent;
    };

    Options options;
    QTcpServer* server;
    QTimer sendTimer;
    bool sending = true;
    std::vector<Client> clients;
    SurveyField field;
    QRandomGenerator random{20190};
    int totalSent = 0;
};
