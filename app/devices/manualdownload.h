#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

// The instruction manual: the local copy in the documents folder, fetched once from the web
// when there is none. Opening it is left to whoever hears readyToOpen; a failed download
// reports nothing and writes nothing.
class ManualDownload : public QObject
{
    Q_OBJECT
public:
    // Where the manual is fetched from when no local copy exists.
    static const QUrl onlineUrl;
    // Tests point the download at a local server.
    static void setUrl(const QUrl& url);
    static QString localFile();

    explicit ManualDownload(QObject* parent = nullptr);

    // Announces the local copy at once when there is one, else after a complete download.
    void request();

signals:
    void readyToOpen(QString path);

private:
    void download(const QString& file);
};
