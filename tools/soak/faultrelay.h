#pragma once

#include <QHostAddress>
#include <QObject>
#include <QRandomGenerator>
#include <vector>

class QTcpServer;
class QTcpSocket;

// A TCP relay between the program and a scanner that damages the stream on demand: silence
// (the connection stays, nothing arrives), garbage or short chunks (every third one), or a
// closed connection. Each chunk read from the scanner is written on as one chunk.
class FaultRelay : public QObject
{
    Q_OBJECT
public:
    enum class Fault { None, Silence, Garbage, Short, Close };

    FaultRelay(quint16 scannerPort, QObject* parent = nullptr);
    ~FaultRelay() override;

    bool listen();
    quint16 port() const;
    // Close drops every connection at once; connections made afterwards are relayed intact.
    void setFault(Fault fault);

private:
    struct Link
    {
        QTcpSocket* program;
        QTcpSocket* scanner;
        int chunks;
    };

    void acceptProgram();
    void relay(QTcpSocket* scanner);
    QByteArray damaged(QByteArray chunk, int index);
    void dropLinks();

    quint16 scannerPort;
    QTcpServer* server;
    std::vector<Link> links;
    Fault fault = Fault::None;
    QRandomGenerator random{18};
};
