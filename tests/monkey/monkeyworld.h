#pragma once

#include "testenvironment.h"

#include <QMap>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

class MonkeyRandom;
class TransferClient;
class TransferServer;

// Everything around the window during a run, all on this machine: the scanner simulator on
// loopback, answers to every message box, caught URLs and print jobs, a fixed position
// source, a local manual, and the other ends of dataset transfers, also on loopback.
class MonkeyWorld : public QObject
{
    Q_OBJECT
public:
    MonkeyWorld(MonkeyRandom& random, int probeId, bool sensorControls);
    ~MonkeyWorld() override;

    // Run before every action: keeps the transfer peers in step with the open dialogs.
    void tick();
    // The scanner goes out of reach or comes back, or another family's scanner replaces it.
    QString scannerEvent();
    // Filled in as the run goes: message boxes, URLs, print jobs, transfers.
    QMap<QString, int> counts;

public slots:
    void openUrl(const QUrl& url);

private:
    void startScanner(int probeId, bool sensorControls);
    void keepReceiverOnLoopback();
    void keepSenderPeer();
    MessageBox::StandardButton answer(const MessageBox::Request& request);

    MonkeyRandom& random;
    std::unique_ptr<TestSupport::InProcessScanner> scanner;
    bool sending = true;
    QTemporaryDir peerStore;
    QTemporaryDir peerInbox;
    QString peerDataset;
    QPointer<TransferServer> peerSender;
    QPointer<TransferClient> peerReceiver;
};
