#include "app/appsettings.h"
#include "app/devices/manualdownload.h"
#include "testenvironment.h"

#include <QNetworkAccessManager>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Answers every HTTP request on loopback with one fixed response.
class OneFileServer : public QObject
{
public:
    explicit OneFileServer(QByteArray body, int status = 200)
    {
        server.listen(QHostAddress::LocalHost, 0);
        connect(&server, &QTcpServer::newConnection, this, [this, body, status] {
            QTcpSocket* socket = server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [socket, body, status] {
                socket->readAll();
                socket->write("HTTP/1.1 " + QByteArray::number(status) + " X\r\nContent-Type: application/pdf\r\n"
                              "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        });
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/manual_en.pdf").arg(server.serverPort())); }
    QTcpServer server;
};

// A manual served from loopback and no local copy yet.
struct ServedManual
{
    ServedManual(const QByteArray& body, int status)
        : server(body, status)
        , local(ManualDownload::localFile())
    {
        ManualDownload::setUrl(server.url());
        QFile::remove(local);
    }
    ~ServedManual() { ManualDownload::setUrl(ManualDownload::onlineUrl); }

    OneFileServer server;
    QString local;
};
} // namespace

class ManualDownloadTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { TestSupport::resetSettings(); }

    void downloadedOnceThenReadyLocally()
    {
        QCOMPARE(ManualDownload::localFile(), documentsFolder() + "Manual/manual_en.pdf");
        const QByteArray pdf = "%PDF-1.4 manual";
        ServedManual served(pdf, 200);
        ManualDownload manual;
        QSignalSpy ready(&manual, &ManualDownload::readyToOpen);
        manual.request();
        QVERIFY(ready.wait(5000));
        QCOMPARE(ready[0][0].toString(), served.local);
        QFile file(served.local);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), pdf);

        served.server.server.close();               // a second press opens the local copy
        manual.request();
        QCOMPARE(ready.size(), 2);
        QCOMPARE(ready[1][0].toString(), served.local);
    }

    void failedDownloadWritesNothing()
    {
        ServedManual served("not found", 404);
        ManualDownload manual;
        QSignalSpy ready(&manual, &ManualDownload::readyToOpen);
        manual.request();
        // The reply was handled once the download has let go of its network access.
        QTRY_VERIFY_WITH_TIMEOUT(manual.findChildren<QNetworkAccessManager*>().isEmpty(), 5000);
        QVERIFY(ready.isEmpty());
        QVERIFY(!QFile::exists(served.local));
    }
};

SORVANEL_TEST_MAIN(ManualDownloadTest)
#include "test_manualdownload.moc"
