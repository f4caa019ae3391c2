#include "datasets/devices/transferclient.h"

#include "app/settingskeys.h"
#include "datasets/datasetstore.h"
#include "datasets/transferdataset.h"
#include "datasets/transferprotocol.h"

#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

TransferClient::TransferClient(const QString& folder, QObject* parent)
    : QObject(parent), folder(folder), socket(new QTcpSocket(this)), timer(new QTimer(this))
{
    timer->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the operator is promised the whole 3 seconds.
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &TransferClient::connectionTimeout);
    connect(socket, &QTcpSocket::connected, this, &TransferClient::sendFileRequest);
    connect(socket, &QTcpSocket::readyRead, this, &TransferClient::readFileData);
    connect(socket, &QTcpSocket::disconnected, this, &TransferClient::connectionEnded);
    connect(socket, &QTcpSocket::errorOccurred, this, &TransferClient::connectionEnded);
}

void TransferClient::start(const QString& address)
{
    socket->abort();
    anyReplyByte = false;
    ended = false;
    parser = TransferReplyParser();
    socket->connectToHost(QHostAddress(address), quint16(Settings::transferPort.read().toInt()));
    timer->start(timeoutMs);
}

void TransferClient::abort()
{
    end();
    socket->abort();
}

void TransferClient::connectionTimeout()
{
    if (!anyReplyByte && !ended) {
        end();
        socket->abort();
        emit noConnection();
    }
}

void TransferClient::sendFileRequest()
{
    socket->write(TransferProtocol::encodeString(TransferProtocol::request));
}

void TransferClient::sendFinishRequest()
{
    socket->write(TransferProtocol::encodeString(TransferProtocol::finish));
    // Written out now: the socket may be destroyed as soon as the operator is told.
    socket->flush();
    socket->disconnectFromHost();
}

void TransferClient::readFileData()
{
    if (ended)
        return;
    const QByteArray chunk = socket->readAll();
    anyReplyByte = anyReplyByte || !chunk.isEmpty();
    switch (parser.feed(chunk)) {
    case TransferReplyParser::State::Incomplete:
        return;
    case TransferReplyParser::State::Rejected:
        qWarning().noquote() << "Received dataset rejected:" << parser.rejection();
        abort();
        emit rejected(invalidReceivedDatasetText());
        return;
    case TransferReplyParser::State::Complete:
        storeReply();
        return;
    }
}

// Before the first reply byte only the time-out ends the attempt, so an unreachable sender
// and a refused connection look the same to the operator.
void TransferClient::connectionEnded()
{
    if (!anyReplyByte || ended)
        return;
    end();
    socket->abort();
    emit noConnection();
}

void TransferClient::storeReply()
{
    end();
    const Result<QString> stored = DatasetStore(folder).storeReceived(parser.reply());
    if (!stored) {
        socket->abort();
        emit rejected(stored.failure().text);
        return;
    }
    receivedName = stored.value();
    sendFinishRequest();
    emit received(receivedName);
}

void TransferClient::end()
{
    ended = true;
    timer->stop();
}
