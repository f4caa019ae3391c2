#pragma once

#include "datasets/transferreply.h"

#include <QObject>
#include <QString>

class QTcpSocket;
class QTimer;

// The receiving end of a dataset transfer: asks a sender for its dataset, reads the reply as
// it arrives, stores it in the folder given and tells the sender to close.
class TransferClient : public QObject
{
    Q_OBJECT
public:
    // Without any reply byte this long after start(), the sender counts as unreachable.
    static constexpr int timeoutMs = 3000;

    explicit TransferClient(const QString& folder, QObject* parent = nullptr);

    // Connects to `address` (the text of a host address) at the port of the setting
    // "network/transferPort" and asks for the dataset. A new start drops the previous attempt.
    void start(const QString& address);
    // Drops the connection; no signal follows.
    void abort();

    const TransferReplyParser& replyParser() const { return parser; }

signals:
    // The dataset was stored and the sender told so.
    void received(const QString& name);
    // No reply within the time-out, or the connection ended before the reply was whole.
    void noConnection();
    // The reply was not stored; `failure` tells the operator why.
    void rejected(const QString& failure);

public slots:
    void connectionTimeout();
    void sendFileRequest();
    void sendFinishRequest();
    void readFileData();

private slots:
    void connectionEnded();

private:
    void storeReply();
    void end();

    const QString folder;
    QTcpSocket* socket;
    QTimer* timer;
    bool anyReplyByte = false;
    bool ended = false;
    QString receivedName;
    TransferReplyParser parser;
};
