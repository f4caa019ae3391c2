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
    replayTimer.setSingleShot(true);
    // The replay keeps the captured timing: a coarse timer would shift it by up to 5 %.
    replayTimer.setTimerType(Qt::PreciseTimer);
    connect(&replayTimer, &QTimer::timeout, this, &ScannerSimulator::sendReplayToClients);
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
    if (!replaying())
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
        clients.push_back({socket, 0, {}});
        clients.back().connectedFor.start();
        emit clientConnected();
    }
    if (replaying())
        scheduleReplay();
}

void ScannerSimulator::setSending(bool on)
{
    sending = on;
    if (replaying())
        scheduleReplay();
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

bool ScannerSimulator::closesNow(const Client& client) const
{
    return options.closeAfter >= 0 && client.sent >= options.closeAfter;
}

bool ScannerSimulator::holdsBack(const Client& client) const
{
    return !sending || (options.silentAfter >= 0 && client.sent >= options.silentAfter);
}

bool ScannerSimulator::mayDeliver(Client& client)
{
    if (closesNow(client)) {
        client.socket->disconnectFromHost();
        return false;
    }
    return !holdsBack(client);
}

void ScannerSimulator::deliver(Client& client, const QByteArray& message)
{
    client.socket->write(message);
    client.socket->flush();
    ++client.sent;
    ++totalSent;
}

void ScannerSimulator::sendToClients()
{
    for (std::size_t i = 0; i < clients.size(); ++i) {
        Client& client = clients[i];
        if (mayDeliver(client))
            deliver(client, messageAt(client.sent));
    }
}

qint64 ScannerSimulator::replayWaitUs(const Client& client) const
{
    if (client.sent >= int(options.replay.size()) || holdsBack(client)
        || client.socket->state() != QAbstractSocket::ConnectedState)
        return -1;
    if (closesNow(client))
        return 0;
    const double due = double(options.replay[std::size_t(client.sent)].arrivalUs) / options.replaySpeed;
    return std::max<qint64>(0, qint64(due) - client.connectedFor.nsecsElapsed() / 1000);
}

void ScannerSimulator::sendReplayToClients()
{
    // One chunk per client and wake-up: the receiver takes every read as one message, so two
    // chunks written together could reach it as one.
    for (std::size_t i = 0; i < clients.size(); ++i) {
        Client& client = clients[i];
        if (replayWaitUs(client) != 0 || !mayDeliver(client))
            continue;
        deliver(client, options.replay[std::size_t(client.sent)].bytes);
        if (client.sent == int(options.replay.size()))
            emit replayFinished();
    }
    scheduleReplay();
}

void ScannerSimulator::scheduleReplay()
{
    qint64 soonest = -1;
    for (const Client& client : clients) {
        const qint64 wait = replayWaitUs(client);
        if (wait >= 0 && (soonest < 0 || wait < soonest))
            soonest = wait;
    }
    if (soonest >= 0)
        replayTimer.start(int((soonest + 999) / 1000));
}
