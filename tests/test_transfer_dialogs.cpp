#include "app/widgets/mainwindow.h"
#include "app/widgets/navbar.h"
#include "datasets/widgets/waitingspinnerwidget.h"
#include "datasets/devices/transferclient.h"
#include "datasets/devices/transferserver.h"
#include "datasets/datasetstore.h"
#include "datasets/transferdataset.h"
#include "datasets/widgets/datasetviewer.h"
#include "datasets/widgets/datasetwidget.h"
#include "datasets/widgets/transferdialogs.h"
#include "testenvironment.h"
#include "transferpeer.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace TransferTest;

namespace {
// Runs `answer` on the next modal dialog of type D once it is shown.
template <typename D>
void whenShown(std::function<void(D&)> answer)
{
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        answer(*dialog);
    });
}

void clearDatasets()
{
    QDir folder(documentsFolder());
    for (const QString& name : folder.entryList({"*.xml", "*.s3d", "*.png"}, QDir::Files))
        folder.remove(name);
}
} // namespace

class TransferDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        clearDatasets();
        Settings::transferPort.write(int(TestSupport::closedLoopbackPort()));
    }

    void tileSendOpensTheSendDialog()
    {
        storeDataset("Field S");
        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        libraryDirty = true;
        window.setViewState();
        DatasetWidget* tile = window.datasetLibrary()->tiles().at(0);
        QString shown;
        bool listening = false;
        whenShown<TransferSendDialog>([&](TransferSendDialog& dialog) {
            shown = dialog.shownText();
            listening = dialog.isListening();
            dialog.findChild<QPushButton*>()->click();
        });
        // The tile's first icon button is its send button.
        tile->findChildren<QToolButton*>().at(0)->click();
        QVERIFY(listening);
        QVERIFY(shown.startsWith("Select 'Receive Dataset' in the settings menu on the other device "
                                 "and enter this address:\n"));
        QCOMPARE(shown.section('\n', 1), TransferServer::localAddress());
        QCOMPARE(boxes.requests().size(), 0);
    }

    // From the settings menu to the received tile, and the address is offered again.
    void receiveDatasetFromTheSettingsMenu()
    {
        const QString id = storeDataset("Field R");
        QTemporaryDir sending;
        moveDataset(id, sending.path());
        TransferServer sender(id, sending.path());
        Settings::transferPort.write(0);
        QVERIFY(sender.listen(QHostAddress::LocalHost));
        Settings::transferPort.write(int(sender.port()));
        QSignalSpy finished(&sender, &TransferServer::finished);

        TestSupport::MessageBoxSpy boxes;
        MainWindow window;
        libraryDirty = true;
        window.setViewState();
        QCOMPARE(int(window.datasetLibrary()->tiles().size()), 0);
        whenShown<TransferReceiveDialog>([](TransferReceiveDialog& dialog) {
            dialog.addressEdit()->setText("127.0.0.1");
            dialog.searchButton()->click();
            QVERIFY(dialog.spinner()->isSpinning());
        });
        window.navigationBar()->receiveEntry()->trigger();
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].title, QString());
        QCOMPARE(boxes.requests()[0].text, QString("Dataset Received: Field R"));
        QVERIFY(finished.wait(2000));
        QCOMPARE(int(window.datasetLibrary()->tiles().size()), 1);
        QCOMPARE(window.datasetLibrary()->tiles()[0]->record().name, QString("Field R"));

        QString offered;
        whenShown<TransferReceiveDialog>([&](TransferReceiveDialog& dialog) {
            offered = dialog.addressEdit()->text();
            dialog.abortButton()->click();
        });
        window.navigationBar()->receiveEntry()->trigger();
        QCOMPARE(offered, QString("127.0.0.1"));
        QCOMPARE(boxes.requests().size(), 1);
    }

    void portInUseIsUnableToStartServer()
    {
        QTcpServer blocker;
        QVERIFY(blocker.listen(QHostAddress::LocalHost, 0));
        Settings::transferPort.write(int(blocker.serverPort()));
        TestSupport::MessageBoxSpy boxes;
        TestSupport::DebugLog log;
        runTransferServer(nullptr, storeDataset("Busy"));
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QCOMPARE(boxes.requests()[0].title, QString("Error"));
        QCOMPARE(boxes.requests()[0].text, QString("Unable to start Server"));
        QCOMPARE(log.count("Server Error: "), 1);
    }

    // A dataset whose files the other side would refuse is never offered.
    void datasetNotNamedByAnIdentifierIsNotOffered()
    {
        const QString id = storeDataset("Renamed");
        const QString renamed = id.toUpper();
        for (const char* suffix : {".s3d", ".xml", ".png"})
            QVERIFY(QFile::rename(documentsFolder() + id + suffix, documentsFolder() + renamed + suffix));
        // The port is free: only the name can stop it.
        Settings::transferPort.write(0);
        TestSupport::MessageBoxSpy boxes;
        TransferSendDialog dialog(renamed);
        QVERIFY(!dialog.isListening());
        QCOMPARE(dialog.server().port(), quint16(0));
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QVERIFY(boxes.requests()[0].text.startsWith("This dataset cannot be sent"));
    }

    void notAnAddressIsNoConnectionAfterTheTimeOut()
    {
        TestSupport::MessageBoxSpy boxes;
        TransferReceiveDialog dialog;
        dialog.addressEdit()->setText("127.0.0.1 is the sender");
        QElapsedTimer clock;
        whenShown<TransferReceiveDialog>([&](TransferReceiveDialog& shown) {
            clock.start();
            shown.searchButton()->click();
        });
        QCOMPARE(dialog.exec(), int(QDialog::Rejected));
        QVERIFY(clock.elapsed() >= TransferClient::timeoutMs - 50);
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].title, QString("Error"));
        QCOMPARE(boxes.requests()[0].text, QString("No Connection"));
        QVERIFY(!dialog.spinner()->isSpinning());
    }

    // A reply that names a file outside the dataset folder ends the dialog with a warning.
    void hostileReplyEndsTheDialogWithAWarning()
    {
        TransferReply reply = DatasetStore().readForTransfer(storeDataset("Evil")).value();
        clearDatasets();
        reply.identifier = "../../../../../../../../../../evil00";
        FakeSender sender(encodeTransferReply(reply), false);
        TestSupport::MessageBoxSpy boxes;
        whenShown<TransferReceiveDialog>([](TransferReceiveDialog& dialog) {
            dialog.addressEdit()->setText("127.0.0.1");
            dialog.searchButton()->click();
        });
        QVERIFY(!runTransferClient(nullptr));
        QCOMPARE(boxes.requests().size(), 1);
        QCOMPARE(boxes.requests()[0].kind, MessageBox::Kind::Warning);
        QCOMPARE(boxes.requests()[0].text, invalidReceivedDatasetText());
        QCOMPARE(QDir(documentsFolder()).entryList({"*.xml", "*.s3d", "*.png"}, QDir::Files), QStringList());
    }
};

SORVANEL_TEST_MAIN(TransferDialogsTest)
#include "test_transfer_dialogs.moc"
