#include "datasets/devices/transferserver.h"

#include "app/settingskeys.h"
#include "datasets/datasetstore.h"
#include "datasets/transferprotocol.h"

#include <QDataStream>
#include <QDebug>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>

TransferServer::TransferServer(const QString& uuid, const QString& folder, QObject* parent)
    : QObject(parent), uuid(uuid), folder(folder), server(new QTcpServer(this))
{
    connect(server, &QTcpServer::newConnection, this, &TransferServer::acceptConnection);
}

bool TransferServer::listen(const QHostAddress& address)
{
    return server->listen(address, quint16(Settings::transferPort.read().toInt()));
}

QString TransferServer::errorString() const
{
    return server->errorString();
}

quint16 TransferServer::port() const
{
    return server->serverPort();
}

QString TransferServer::localAddress()
{
    QStringList addresses;
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            addresses.append(address.toString());
    }
    return TransferProtocol::chooseAddress(addresses);
}

void TransferServer::acceptConnection()
{
    while (QTcpSocket* receiver = server->nextPendingConnection())
        connect(receiver, &QTcpSocket::readyRead, this, &TransferServer::readClient);
}

// Each arrival is one whole request; what is not one of the three is ignored.
void TransferServer::readClient()
{
    auto* receiver = qobject_cast<QTcpSocket*>(sender());
    if (!receiver)
        return;
    const QString request = TransferProtocol::decodeRequest(receiver->readAll());
    if (request == TransferProtocol::ping)
        receiver->write(TransferProtocol::encodeString(TransferProtocol::pingReply));
    else if (request == TransferProtocol::request)
        sendDataset(*receiver);
    else if (request == TransferProtocol::finish)
        emit finished();
}

void TransferServer::sendDataset(QIODevice& receiver)
{
    const Result<TransferReply> reply = DatasetStore(folder).readForTransfer(uuid);
    if (!reply) {
        qWarning().noquote() << "Dataset" << uuid << "not sent:" << reply.failure().reason;
        return;
    }
    receiver.write(encodeTransferReply(reply.value()));
}
