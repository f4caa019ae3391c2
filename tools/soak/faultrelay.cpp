#include "faultrelay.h"

#include <QTcpServer>
#include <QTcpSocket>

FaultRelay::FaultRelay(quint16 port, QObject* parent)
    : QObject(parent)
    , scannerPort(port)
    , server(new QTcpServer(this))
{
    connect(server, &QTcpServer::newConnection, this, &FaultRelay::acceptProgram);
}

FaultRelay::~FaultRelay() { dropLinks(); }

bool FaultRelay::listen() { return server->listen(QHostAddress::LocalHost, 0); }

quint16 FaultRelay::port() const { return server->serverPort(); }

void FaultRelay::setFault(Fault newFault)
{
    fault = newFault == Fault::Close ? Fault::None : newFault;
    if (newFault == Fault::Close)
        dropLinks();
}

void FaultRelay::acceptProgram()
{
    while (QTcpSocket* program = server->nextPendingConnection()) {
        auto* scanner = new QTcpSocket(this);
        links.push_back({program, scanner, 0});
        connect(scanner, &QTcpSocket::readyRead, this, [this, scanner] { relay(scanner); });
        scanner->connectToHost(QHostAddress::LocalHost, scannerPort);
    }
}

void FaultRelay::relay(QTcpSocket* scanner)
{
    for (Link& link : links) {
        if (link.scanner != scanner)
            continue;
        const QByteArray chunk = scanner->readAll();
        if (fault != Fault::Silence)
            link.program->write(damaged(chunk, link.chunks));
        ++link.chunks;
    }
}

QByteArray FaultRelay::damaged(QByteArray chunk, int index)
{
    if (index % 3 != 2 || chunk.size() < 2)
        return chunk;
    if (fault == Fault::Short)
        chunk.truncate(chunk.size() / 2);
    if (fault == Fault::Garbage) {
        for (int i = 1; i < chunk.size(); ++i)
            chunk[i] = char(random.bounded(256));
    }
    return chunk;
}

void FaultRelay::dropLinks()
{
    for (Link& link : links) {
        link.program->abort();
        link.scanner->abort();
        link.program->deleteLater();
        link.scanner->deleteLater();
    }
    links.clear();
}
