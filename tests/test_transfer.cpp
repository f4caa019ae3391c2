#include "datasets/devices/transferclient.h"
#include "datasets/devices/transferserver.h"
#include "datasets/atomicwrite.h"
#include "datasets/datasetstore.h"
#include "datasets/stagedstore.h"
#include "datasets/transferdataset.h"
#include "datasets/transferprotocol.h"
#include "datasets/transferreply.h"
#include "testenvironment.h"
#include "transferpeer.h"

#include <QElapsedTimer>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>

using namespace TransferTest;
using State = TransferReplyParser::State;

namespace {
const QString oldId = QStringLiteral("0b5d1c3e-7a42-4f19-9c6e-2d8f0a1b3c4d");

QByteArray withWord(QByteArray bytes, int offset, quint32 value)
{
    qToBigEndian(value, bytes.data() + offset);
    return bytes;
}

// A reply that passes every check, for dataset `id` of the dataset folder.
TransferReply validReply(const QString& id)
{
    const Result<TransferReply> reply = DatasetStore().readForTransfer(id);
    return reply ? reply.value() : TransferReply{};
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}
} // namespace

class TransferTest_ : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        TestSupport::resetSettings();
        QVERIFY(receiving.isValid());
        QDir(receiving.path()).removeRecursively();
        QDir().mkpath(folder());
    }

    void addressChoiceShowsTheLastPrivateIpv4()
    {
        using TransferProtocol::chooseAddress;
        QCOMPARE(chooseAddress({"127.0.0.1", "192.168.1.20", "10.0.0.5"}), QString("10.0.0.5"));
        QCOMPARE(chooseAddress({"10.0.0.5", "fe80::1", "8.8.8.8", "172.16.0.9", "192.168.1.20"}),
                 QString("192.168.1.20"));
        QCOMPARE(chooseAddress({"127.0.0.1", "::1", "10.0.0", "192.168.1.300"}), QString());
    }

    // A dataset the sender cannot read is not sent: the next bytes answer the ping.
    void senderAnswersOnlyItsRequests()
    {
        TestSupport::DebugLog log;
        TransferServer server(oldId, documentsFolder());
        Settings::transferPort.write(0);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        QSignalSpy finished(&server, &TransferServer::finished);
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, server.port());
        QVERIFY(socket.waitForConnected(2000));
        socket.write(TransferProtocol::encodeString(TransferProtocol::request));
        QTRY_COMPARE(log.count("not sent"), 1);
        socket.write(TransferProtocol::encodePing(-77));
        QVERIFY(QSignalSpy(&socket, &QTcpSocket::readyRead).wait(2000));
        QCOMPARE(socket.readAll(), TransferProtocol::encodeString("Found"));
        QCOMPARE(finished.count(), 0);
        QCOMPARE(filesIn(folder()), QStringList());
    }

    void wholeTransferStoresTheSameDataset()
    {
        const QString id = storeDataset("Field T");
        TransferServer server(id, documentsFolder());
        Settings::transferPort.write(0);
        QVERIFY(server.listen(QHostAddress::LocalHost));
        Settings::transferPort.write(int(server.port()));
        QSignalSpy finished(&server, &TransferServer::finished);
        TransferClient client(folder());
        QSignalSpy received(&client, &TransferClient::received);
        client.start("127.0.0.1");
        QVERIFY(received.wait(5000));
        QCOMPARE(received.first().first().toString(), QString("Field T"));
        QVERIFY(finished.wait(2000));

        const QString sent = documentsFolder() + id;
        const QString stored = QDir(folder()).filePath(id);
        QCOMPARE(fileContent(stored + ".s3d"), fileContent(sent + ".s3d"));
        const QByteArray metadata = fileContent(stored + ".xml");
        QCOMPARE(QJsonDocument::fromJson(metadata).object(),
                 QJsonDocument::fromJson(fileContent(sent + ".xml")).object());
        QCOMPARE(QJsonDocument::fromJson(metadata).object().value("bearing").toInt(), 200);
        QCOMPARE(metadata, QJsonDocument::fromJson(metadata).toJson(QJsonDocument::Indented));
        QCOMPARE(QImage(stored + ".png").convertToFormat(QImage::Format_RGB32),
                 QImage(sent + ".png").convertToFormat(QImage::Format_RGB32));
    }

    // Byte by byte the parser holds no more than it was given and completes on the last byte;
    // bytes after the reply are not read.
    void parserCompletesOnTheLastByteOnly()
    {
        const QByteArray whole = encodeTransferReply(validReply(storeDataset("Bytes")));
        TransferReplyParser parser;
        for (int i = 0; i < whole.size() - 1; ++i) {
            QCOMPARE(parser.feed(whole.mid(i, 1)), State::Incomplete);
            QVERIFY(parser.bufferedBytes() <= i + 1);
        }
        QCOMPARE(parser.announcedTotal(), qint64(whole.size()));
        QCOMPARE(parser.feed(whole.right(1) + "trailing"), State::Complete);
        QCOMPARE(encodeTransferReply(parser.reply()), whole);
    }

    // Over a socket in awkward pieces: nothing is written before the last byte.
    void replyInPiecesIsStoredAfterItsLastByte()
    {
        const QByteArray whole = encodeTransferReply(validReply(storeDataset("Pieces")));
        FakeSender sender(QByteArray(""), false);
        TransferClient client(folder());
        QSignalSpy received(&client, &TransferClient::received);
        client.start("127.0.0.1");
        QTRY_VERIFY(sender.receiver() && !sender.requests.isEmpty());
        const int cuts[] = {1, 15, 16, 17, 90, whole.size() - 1};
        int sent = 0;
        for (const int cut : cuts) {
            sender.receiver()->write(whole.mid(sent, cut - sent));
            sent = cut;
            QTRY_COMPARE(client.replyParser().bufferedBytes(), sent);
            QCOMPARE(filesIn(folder()), QStringList());
        }
        sender.receiver()->write(whole.right(1));
        QVERIFY(received.wait(2000));
        QCOMPARE(filesIn(folder()).size(), 3);
    }

    void impossibleSizesAreRejectedBeforeBuffering_data()
    {
        QTest::addColumn<QByteArray>("header");
        const QByteArray zeros(16, '\0');
        QTest::newRow("negative") << withWord(withWord(zeros, 12, 72), 4, quint32(-5));
        QTest::newRow("over the cap") << withWord(withWord(withWord(withWord(zeros, 12, 72), 0, 100 << 20), 4, 100 << 20), 8, 60 << 20);
        QTest::newRow("largest sizes") << withWord(withWord(withWord(withWord(zeros, 12, 72), 0, 0x7fffffff), 4, 0x7fffffff), 8, 0x7fffffff);
        QTest::newRow("identifier too long") << withWord(zeros, 12, 0x7ffffffe);
        QTest::newRow("null identifier") << withWord(zeros, 12, 0xffffffff);
    }

    void impossibleSizesAreRejectedBeforeBuffering()
    {
        QFETCH(QByteArray, header);
        TransferReplyParser parser;
        QCOMPARE(parser.feed(header + QByteArray(4096, 'x')), State::Rejected);
        QCOMPARE(parser.bufferedBytes(), 0);
        QCOMPARE(parser.announcedTotal(), qint64(-1));
    }

    // Hostile or broken senders: the receiver ends at once, leaves the dataset it already had
    // byte for byte, and writes nothing anywhere else.
    void hostileRepliesWriteNothing_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("rejected");
        const TransferReply good = validReply(storeDataset("Good"));
        const auto withId = [&](const QString& id) {
            TransferReply reply = good;
            reply.identifier = id;
            return encodeTransferReply(reply);
        };
        const auto with = [&](QByteArray TransferReply::*block, const QByteArray& bytes) {
            TransferReply reply = good;
            reply.identifier = oldId;
            reply.*block = bytes;
            return encodeTransferReply(reply);
        };
        QByteArray array = binaryJsonOf(QJsonObject());
        array[12] = char(array[12] & ~1); // the object flag of the top-level element
        const QByteArray valid = with(&TransferReply::values, good.values);
        QTest::newRow("traversal identifier") << withId("../../../../../../../../../../evil00") << false << true;
        QTest::newRow("absolute identifier") << withId("/tmp/sorvanel-transfer-evil-00000000") << false << true;
        QTest::newRow("empty identifier") << withId("") << false << true;
        QTest::newRow("uppercase identifier") << withId(oldId.toUpper()) << false << true;
        QTest::newRow("negative size") << withWord(valid, 4, quint32(-1)) << false << true;
        QTest::newRow("giant sizes") << withWord(withWord(valid, 0, 0x7fffffff), 8, 0x7fffffff) << false << true;
        QTest::newRow("size disagrees") << withWord(valid, 0, quint32(good.metadata.size() + 1)) << false << true;
        QTest::newRow("garbage") << QByteArray("GET / HTTP/1.1\r\nHost: sorvanel\r\n\r\n") << false << true;
        QTest::newRow("text metadata") << with(&TransferReply::metadata, "{\"name\": \"x\"}") << false << true;
        QTest::newRow("array metadata") << with(&TransferReply::metadata, array) << false << true;
        QTest::newRow("preview not PNG") << with(&TransferReply::preview, "\x89PNG but not really") << false << true;
        QTest::newRow("unknown value file") << with(&TransferReply::values, "MZ\x90\0\3") << false << true;
        QTest::newRow("truncated then closed") << valid.left(valid.size() - 7) << true << false;
        QTest::newRow("header then closed") << valid.left(12) << true << false;
    }

    void hostileRepliesWriteNothing()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, closes);
        QFETCH(bool, rejected);
        const QString id = storeDataset("Old");
        moveDataset(id, folder());
        for (const char* suffix : {".xml", ".png", ".s3d"})
            QFile::rename(QDir(folder()).filePath(id + suffix), QDir(folder()).filePath(oldId + suffix));
        QMap<QString, QByteArray> before;
        for (const QString& name : filesIn(folder()))
            before.insert(name, fileContent(QDir(folder()).filePath(name)));

        // A leftover from a broken build's run must not fail a sound one.
        const QString escaped = "/tmp/sorvanel-transfer-evil-00000000.xml";
        QFile::remove(escaped);

        FakeSender sender(reply, closes);
        TransferClient client(folder());
        QSignalSpy rejections(&client, &TransferClient::rejected);
        QSignalSpy noConnection(&client, &TransferClient::noConnection);
        QElapsedTimer clock;
        clock.start();
        client.start("127.0.0.1");
        QTRY_VERIFY_WITH_TIMEOUT(rejections.count() + noConnection.count() > 0, 5000);
        QVERIFY2(clock.elapsed() < TransferClient::timeoutMs, "ended by the time-out, not the reply");
        QCOMPARE(rejections.count(), rejected ? 1 : 0);
        QCOMPARE(noConnection.count(), rejected ? 0 : 1);
        if (rejected)
            QCOMPARE(rejections.first().first().toString(), invalidReceivedDatasetText());
        QVERIFY(client.replyParser().bufferedBytes() <= qMax<qint64>(16, client.replyParser().announcedTotal()));

        QCOMPARE(filesIn(folder()), QStringList(before.keys()));
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(fileContent(QDir(folder()).filePath(it.key())), it.value());
        QCOMPARE(filesIn(receiving.path()), QStringList());
        QVERIFY(!QFile::exists(escaped));
        QCOMPARE(sender.requests, QStringList{TransferProtocol::request});
    }

    // A replacement cut off by a crash: once its metadata was staged it is finished at the next
    // start, whichever moves were done; before that, the old dataset stays and the staged
    // files go.
    void interruptedReplacementEndsWholeOldOrNew()
    {
        const QString id = storeDataset("Old");
        const QString newer = storeDataset("New");
        const auto path = [&](const QString& dataset, const char* suffix) {
            return documentsFolder() + dataset + suffix;
        };
        const QByteArray oldValues = fileContent(path(id, ".s3d"));
        const QByteArray oldMetadata = fileContent(path(id, ".xml"));
        for (int movedBeforeCrash = -1; movedBeforeCrash <= 2; ++movedBeforeCrash) {
            StagedDataset staged(documentsFolder(), id);
            QVERIFY(staged.stageValues(fileContent(path(newer, ".s3d"))));
            QVERIFY(staged.stagePreview(fileContent(path(newer, ".png"))));
            // -1: cut off before the metadata was staged.
            if (movedBeforeCrash >= 0)
                QVERIFY(staged.stageMetadata(fileContent(path(newer, ".xml"))));
            const char* order[] = {".s3d", ".png", ".xml"};
            for (int k = 0; k < movedBeforeCrash; ++k) {
                QFile::remove(path(id, order[k]));
                QVERIFY(QFile::rename(path(id, order[k]) + ".incoming", path(id, order[k])));
            }
            QCOMPARE(DatasetStore().completeInterruptedStores(), movedBeforeCrash >= 0 ? 1 : 0);
            const bool replaced = movedBeforeCrash >= 0;
            QCOMPARE(fileContent(path(id, ".s3d")), replaced ? fileContent(path(newer, ".s3d")) : oldValues);
            QCOMPARE(fileContent(path(id, ".xml")), replaced ? fileContent(path(newer, ".xml")) : oldMetadata);
            QCOMPARE(QDir(documentsFolder()).entryList({"*.incoming"}, QDir::Files), QStringList());
            // Back to the old dataset for the next round.
            QVERIFY(writeFileAtomically(path(id, ".s3d"), oldValues));
            QVERIFY(writeFileAtomically(path(id, ".xml"), oldMetadata));
        }
    }

private:
    QString folder() const { return receiving.path() + "/datasets"; }

    QTemporaryDir receiving;
};

SORVANEL_TEST_MAIN(TransferTest_)
#include "test_transfer.moc"
