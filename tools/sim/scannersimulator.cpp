#include "scannersimulator.h"

#include "probemessage.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <algorithm>
#include <cmath>

ScannerSimulator::ScannerSimulator(const Options& opts, QObject* parent)
    : QObject(parent)
    , options(opts)
    , server(new QTcpServer(this))
{
    field.setPace(options.trackSeconds, options.stopSeconds);
    connect(server, &QTcpServer::newConnection, this, &ScannerSimulator::acceptClients);
    connect(&sendTimer, &QTimer::timeout, this, &ScannerSimulator::sendToClients);
}

ScannerSimulator::~ScannerSimulator()
{
    for (Client& client : clients)
        client.socket->abort();
}

bool ScannerSimulator::start()
{
    if (!server->listen(options.host, options.port))
        return false;
    sendTimer.start(std::max(1, options.intervalMs));
    return true;
}

QString ScannerSimulator::errorString() const
{
    return server->errorString();
}

quint16 ScannerSimulator::port() const
{
    return server->serverPort();
}

void ScannerSimulator::acceptClients()
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        socket->setParent(this);
        // One write is one message for the receiver: do not let the stack hold small writes back.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            clients.erase(std::remove_if(clients.begin(), clients.end(),
                                         [socket](const Client& c) { return c.socket == socket; }),
                          clients.end());
            socket->deleteLater();
        });
        clients.push_back({socket, 0});
        emit clientConnected();
    }
}

QByteArray ScannerSimulator::messageAt(int index)
{
    const double seconds = index * options.intervalMs / 1000.0;
    const double noise = (random.generateDouble() - 0.5) * 60.0;
    const double value = std::clamp(field.readingAt(seconds) + noise, -32768.0, 32767.0);

    const SurveyField::Pose pose = field.poseAt(seconds);

    ProbeReading reading;
    reading.probeId = options.probeId;
    reading.value = std::int16_t(std::lround(value));
    const int drained = options.batteryDrainSeconds > 0 ? int(seconds / options.batteryDrainSeconds) : 0;
    reading.battery = std::int8_t(std::max(5, options.battery - drained));
    // The operator holds the trigger while walking and flips the track toggle after each track.
    reading.trigger = pose.walking;
    reading.toggle = pose.tracksFinished % 2 == 1;
    reading.sensorControls = options.sensorControls;
    QByteArray bytes = encodeProbeMessage(reading, options.encipher);

    const bool faulty = index % 3 == 2;
    if (options.shortMessages && faulty)
        bytes.truncate(1 + int(random.bounded(std::max(1, probeMessageLength(options.probeId) - 1))));
    if (options.garbage && faulty) {
        for (int i = 1; i < bytes.size(); ++i)
            bytes[i] = char(random.bounded(256));
    }
    return bytes;
}

void ScannerSimulator::sendToClients()
{
    for (std::size_t i = 0; i < clients.size(); ++i) {
        Client& client = clients[i];
        if (options.closeAfter >= 0 && client.sent >= options.closeAfter) {
            client.socket->disconnectFromHost();
            continue;
        }
        if (!sending || (options.silentAfter >= 0 && client.sent >= options.silentAfter))
            continue;
        client.socket->write(messageAt(client.sent));
        client.socket->flush();
        ++client.sent;
        ++totalSent;
    }
}
