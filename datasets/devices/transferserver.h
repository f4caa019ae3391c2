#pragma once

#include <QHostAddress>
#include <QObject>
#include <QString>

class QTcpServer;

// The sending end of a dataset transfer: listens on the transfer port and answers a ping,
// the request for the dataset and the receiver's finish.
class TransferServer : public QObject
{
    Q_OBJECT
public:
    // Sends dataset `uuid` of `folder`.
    TransferServer(const QString& uuid, const QString& folder, QObject* parent = nullptr);

    // Listens on the port of the setting "network/transferPort"; false when that fails.
    bool listen(const QHostAddress& address = QHostAddress::Any);
    QString errorString() const;
    quint16 port() const;

    // The address the receiving operator should type: this host's private IPv4 address.
    static QString localAddress();

signals:
    // The receiver has stored the dataset.
    void finished();

public slots:
    void acceptConnection();
    void readClient();

private:
    void sendDataset(QIODevice& receiver);

    const QString uuid;
    const QString folder;
    QTcpServer* server;
};
