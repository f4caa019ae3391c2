#pragma once

// What both transfer tests need: a stored dataset to send, and a fake sender that answers
// the request with whatever bytes a test gives it.
#include "app/appsettings.h"
#include "app/settingskeys.h"
#include "datasets/familyclasses.h"
#include "datasets/transferprotocol.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace TransferTest {

// A small Brol-sensor dataset with a known bearing saved in the dataset folder; its identifier.
inline QString storeDataset(const QString& name)
{
    DataSetBrolSensor dataset;
    dataset.setProperty("length", 2);
    dataset.appendTrack({0, 1, 2, 3});
    dataset.appendTrack({-10, -11, -12, -13});
    dataset.setName(name);
    dataset.setDate(QDate(2025, 5, 1));
    dataset.setBearing(200);
    if (const Outcome saved = dataset.save(); !saved)
        qFatal("dataset not saved: %s", qPrintable(saved.failure().reason));
    return dataset.id();
}

inline QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Moves dataset `id` from the dataset folder into `folder`.
inline void moveDataset(const QString& id, const QString& folder)
{
    for (const char* suffix : {".xml", ".png", ".s3d"})
        QFile::rename(documentsFolder() + id + suffix, QDir(folder).filePath(id + suffix));
}

// Listens on a free loopback port (written to the transfer port setting) and answers the
// first request of a receiver with `reply`, closing afterwards when told to.
class FakeSender : public QObject
{
public:
    FakeSender(const QByteArray& reply, bool closeAfterReply) : reply(reply), closing(closeAfterReply)
    {
        server.listen(QHostAddress::LocalHost, 0);
        Settings::transferPort.write(int(server.serverPort()));
        connect(&server, &QTcpServer::newConnection, this, [this] {
            peer = server.nextPendingConnection();
            connect(peer, &QTcpSocket::readyRead, this, [this] { answer(); });
        });
    }

    QTcpSocket* receiver() const { return peer; }
    QStringList requests;

private:
    void answer()
    {
        requests.append(TransferProtocol::decodeRequest(peer->readAll()));
        if (requests.size() > 1 || reply.isNull())
            return;
        peer->write(reply);
        if (closing)
            peer->disconnectFromHost();
    }

    QTcpServer server;
    QTcpSocket* peer = nullptr;
    const QByteArray reply;
    const bool closing;
};

} // namespace TransferTest
