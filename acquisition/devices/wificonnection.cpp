#include "acquisition/devices/wificonnection.h"

#include "acquisition/devices/datarecorder.h"
#include "acquisition/streamcapture.h"
#include "acquisition/streamcapturewriter.h"
#include "app/settingskeys.h"

#include <QDebug>

WiFiConnection::WiFiConnection(QObject* parent)
    : QObject(parent)
{
    // A coarse timer may fire up to 5 % early; the time-outs are promises to the operator.
    watchdog.setTimerType(Qt::PreciseTimer);
}

WiFiConnection::~WiFiConnection()
{
    stopCapture();
    if (socket) {
        socket->abort();
        socket->deleteLater();
    }
}

void WiFiConnection::connectToScanner()
{
    if (probeId_ != 0) {
        emit connected();
        qDebug() << "Already Connected";
        return;
    }
    stopCapture();
    if (socket) {
        socket->abort();
        disconnect(socket, SIGNAL(connected()), this, SLOT(socketConnected()));
        disconnect(&watchdog, SIGNAL(timeout()), this, SLOT(connectionTimeOut()));
        socket->deleteLater();
    }
    socket = new QTcpSocket(this);
    connect(socket, SIGNAL(connected()), this, SLOT(socketConnected()));
    connect(&watchdog, SIGNAL(timeout()), this, SLOT(connectionTimeOut()));

    qDebug() << "Start Host Scan";
    // The address comes from the settings so that a simulator or a test can stand in for the scanner.
    const QString host = Settings::scannerHost.read().toString();
    const quint16 port = quint16(Settings::scannerPort.read().toUInt());
    socket->connectToHost(host, port, QIODevice::ReadWrite);

    watchdog.setSingleShot(true);
    watchdog.start(firstTimeoutMs);
}

void WiFiConnection::socketConnected()
{
    qDebug() << "Connection established. Try to read data.";
    connect(socket, SIGNAL(readyRead()), this, SLOT(readData()));
    startCapture();
    emit connected();
    watchdog.start(firstTimeoutMs);
}

void WiFiConnection::readData()
{
    dataSeen = true;
    strikes = toleratedSilentTicks;
    buffer = socket->readAll();
    // Kept before the recorder sees it: deciphering rewrites the buffer in place.
    if (capture)
        capture->append(buffer);
    probeId_ = buffer.isEmpty() ? 0 : int(std::uint8_t(buffer[0]));
    if (recorder_)
        recorder_->processData(buffer);
}

void WiFiConnection::connectionTimeOut()
{
    if (!dataSeen) {
        if (strikes <= 0) {
            stopCapture();
            emit error(QStringLiteral("Connection Time Out"));
            probeId_ = 0;
            return;
        }
        --strikes;
        qDebug().nospace() << "Connection Time out (strike " << strikes << ")";
    }
    dataSeen = false;
    watchdog.start(tickMs);
}

void WiFiConnection::socketError(QTcpSocket::SocketError error)
{
    qDebug() << "Socket error: " << error;
    emit this->error(socket ? socket->errorString() : QString());
}

QString WiFiConnection::captureFile() const
{
    return capture ? capture->path() : QString();
}

void WiFiConnection::startCapture()
{
    stopCapture();
    if (!Settings::captureScannerStream.read().toBool())
        return;
    capture = std::make_unique<StreamCaptureWriter>(captureFilePath(QDateTime::currentDateTimeUtc()));
    qDebug() << "Capturing the scanner stream to" << capture->path();
}

void WiFiConnection::stopCapture()
{
    capture.reset();
}
