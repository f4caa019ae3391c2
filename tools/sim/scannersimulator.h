#pragma once

#include "acquisition/streamcapture.h"
#include "surveyfield.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QRandomGenerator>
#include <QTimer>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A stand-in for the scanner: a TCP server that sends probe messages of a synthetic survey
// to every client, with optional fault modes, or replays a captured stream to each client
// from its connection on. Used by the simulator program and in-process
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
        // Non-empty: these chunks are sent instead of the survey, each at its arrival time
        // after the client connected, divided by replaySpeed. The connection stays open after.
        std::vector<CapturedChunk> replay;
        double replaySpeed = 1.0;
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
    void setSending(bool on);

    // The message a client gets as its `index`-th (0-based), fault modes applied.
    QByteArray messageAt(int index);

signals:
    void clientConnected();
    // A client has been sent the whole replay.
    void replayFinished();

private slots:
    void acceptClients();
    void sendToClients();
    void sendReplayToClients();

private:
    struct Client
    {
        QTcpSocket* socket;
        int sent;
        QElapsedTimer connectedFor;
    };

    bool replaying() const { return !options.replay.empty(); }
    bool closesNow(const Client& client) const;
    bool holdsBack(const Client& client) const;
    // Applies the fault modes; false when nothing may be sent to the client now.
    bool mayDeliver(Client& client);
    void deliver(Client& client, const QByteArray& message);
    // Microseconds until the client's next replayed chunk is due; negative when none is left.
    qint64 replayWaitUs(const Client& client) const;
    void scheduleReplay();

    Options options;
    QTcpServer* server;
    QTimer sendTimer;
    QTimer replayTimer;
    bool sending = true;
    std::vector<Client> clients;
    SurveyField field;
    QRandomGenerator random{20190};
    int totalSent = 0;
};
