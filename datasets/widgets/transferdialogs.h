#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QPushButton;
class QTextEdit;
class TransferClient;
class TransferServer;
class WaitingSpinnerWidget;

// The sending side: shows this host's address while it waits for the receiver, and closes
// accepted once the receiver has stored the dataset.
class TransferSendDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TransferSendDialog(const QString& uuid, QWidget* parent = nullptr);
    // False when the port could not be opened; the operator has then been told.
    bool isListening() const { return listening; }
    QString shownText() const;
    TransferServer& server() const { return *transferServer; }

private:
    TransferServer* transferServer;
    QTextEdit* textBox;
    QPushButton* abortButton;
    bool listening = false;
};

// The receiving side: the operator types the sender's address and searches; the dialog ends
// accepted once the dataset is stored.
class TransferReceiveDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TransferReceiveDialog(QWidget* parent = nullptr);
    QLineEdit* addressEdit() const { return address; }
    QPushButton* searchButton() const { return search; }
    QPushButton* abortButton() const { return abortPush; }
    WaitingSpinnerWidget* spinner() const { return busy; }
    TransferClient& client() const { return *transferClient; }

public slots:
    void initTransfer();

private:
    void finish(bool accepted);

    TransferClient* transferClient;
    QLineEdit* address;
    WaitingSpinnerWidget* busy;
    QPushButton* search;
    QPushButton* abortPush;
};

// Runs the send dialog for dataset `uuid` of the dataset folder.
void runTransferServer(QWidget* parent, const QString& uuid);
// Runs the receive dialog; true when a dataset was received and stored.
bool runTransferClient(QWidget* parent);
