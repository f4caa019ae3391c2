#include "app/devices/manualdownload.h"

#include "app/appsettings.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSaveFile>

namespace {
QUrl& manualUrl()
{
    static QUrl url = ManualDownload::onlineUrl;
    return url;
}

QString manualFolder()
{
    return documentsFolder() + QStringLiteral("Manual/");
}
} // namespace

const QUrl ManualDownload::onlineUrl(QStringLiteral("https://manual.sorvanel3d.example/manual_en.pdf"));

void ManualDownload::setUrl(const QUrl& url)
{
    manualUrl() = url;
}

QString ManualDownload::localFile()
{
    return manualFolder() + QStringLiteral("manual_en.pdf");
}

ManualDownload::ManualDownload(QObject* parent)
    : QObject(parent)
{
}

void ManualDownload::request()
{
    const QString file = localFile();
    if (QFile::exists(file)) {
        emit readyToOpen(file);
        return;
    }
    QDir().mkpath(manualFolder());
    download(file);
}

void ManualDownload::download(const QString& file)
{
    auto* network = new QNetworkAccessManager(this);
    QNetworkReply* reply = network->get(QNetworkRequest(manualUrl()));
    connect(reply, &QNetworkReply::finished, this, [this, reply, file, network] {
        if (reply->error() == QNetworkReply::NoError) {
            const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
            qDebug() << "Response code: " << status;
            // Written whole or not at all, so a broken download never passes for the manual.
            QSaveFile out(file);
            if (status == 200 && reply->isReadable() && out.open(QIODevice::WriteOnly)) {
                const QByteArray manual = reply->readAll();
                // commit() misses a failed buffer flush (full disk): check it first.
                if (out.write(manual) == manual.size() && out.flush() && out.commit())
                    emit readyToOpen(file);
            }
        }
        reply->deleteLater();
        network->deleteLater();
    });
}
