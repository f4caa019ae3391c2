#include "datasets/widgets/transferdialogs.h"

#include "app/appsettings.h"
#include "app/messagebox.h"
#include "app/settingskeys.h"
#include "datasets/widgets/waitingspinnerwidget.h"
#include "datasets/devices/transferclient.h"
#include "datasets/datasetidentifier.h"
#include "datasets/devices/transferserver.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
QPushButton* dialogButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setMinimumSize(inches(1), inches(0.5));
    return button;
}

QTextEdit* addressBox(const QString& address, QWidget* parent)
{
    auto* box = new QTextEdit(parent);
    box->setReadOnly(true);
    box->setFrameStyle(QFrame::NoFrame);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextCursor cursor(box->document());
    cursor.insertText(TransferSendDialog::tr(
        "Select 'Receive Dataset' in the settings menu on the other device and enter this address:"));
    cursor.insertBlock();
    QTextCharFormat bold;
    bold.setFontWeight(75);
    cursor.insertText(address, bold);
    return box;
}
} // namespace

TransferSendDialog::TransferSendDialog(const QString& uuid, QWidget* parent)
    : QDialog(parent), transferServer(new TransferServer(uuid, documentsFolder(), this))
{
    textBox = addressBox(TransferServer::localAddress(), this);
    abortButton = dialogButton(tr("Abort"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(textBox);
    layout->addWidget(abortButton);
    connect(abortButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(transferServer, &TransferServer::finished, this, &QDialog::accept);

    // The receiving side stores only datasets named by a lowercase version-4 identifier;
    // say so here instead of letting the other device refuse it.
    if (!isDatasetIdentifier(uuid)) {
        MessageBox::warning(this, tr("Error"),
                            tr("This dataset cannot be sent: its files are not named by a dataset "
                               "identifier, so the other device would refuse it."));
        hide();
        reject();
        return;
    }
    listening = transferServer->listen();
    if (!listening) {
        MessageBox::warning(this, tr("Error"), tr("Unable to start Server"));
        qDebug().noquote() << "Server Error: " + transferServer->errorString();
        hide();
        reject();
    }
}

QString TransferSendDialog::shownText() const
{
    return textBox->toPlainText();
}

TransferReceiveDialog::TransferReceiveDialog(QWidget* parent)
    : QDialog(parent), transferClient(new TransferClient(documentsFolder(), this))
{
    auto* label = new QLabel(tr("Enter Address"), this);
    address = new QLineEdit(Settings::dataHost.read().toString(), this);
    busy = new WaitingSpinnerWidget(nullptr, false, false);
    busy->setInnerRadius(inches(0.25));
    busy->setColor(QColor(128, 128, 128));
    search = dialogButton(tr("Search"), this);
    abortPush = dialogButton(tr("Abort"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search);
    buttons->addWidget(abortPush);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(address);
    layout->addWidget(busy);
    layout->addLayout(buttons);

    connect(search, &QPushButton::clicked, this, &TransferReceiveDialog::initTransfer);
    connect(abortPush, &QPushButton::clicked, this, [this] {
        transferClient->abort();
        reject();
    });
    connect(transferClient, &TransferClient::noConnection, this, [this] {
        MessageBox::warning(this, tr("Error"), tr("No Connection"));
        finish(false);
    });
    connect(transferClient, &TransferClient::rejected, this, [this](const QString& failure) {
        MessageBox::warning(this, tr("Error"), failure);
        finish(false);
    });
    connect(transferClient, &TransferClient::received, this, [this](const QString& name) {
        MessageBox::information(this, QString(), tr("Dataset Received: ") + name);
        finish(true);
    });
}

void TransferReceiveDialog::initTransfer()
{
    Settings::dataHost.write(address->text());
    busy->start();
    transferClient->start(address->text());
}

void TransferReceiveDialog::finish(bool accepted)
{
    busy->stop();
    if (accepted)
        accept();
    else
        reject();
}

void runTransferServer(QWidget* parent, const QString& uuid)
{
    TransferSendDialog dialog(uuid, parent);
    if (dialog.isListening())
        dialog.exec();
}

bool runTransferClient(QWidget* parent)
{
    TransferReceiveDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}
