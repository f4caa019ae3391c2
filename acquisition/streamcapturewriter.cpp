#include "acquisition/streamcapturewriter.h"

#include "acquisition/streamcapture.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

// Lives on the writer's thread; every call reaches it queued.
class CaptureFileSink : public QObject
{
public:
    CaptureFileSink(const QString& path, qint64 limit) : file(path), limitBytes(limit) {}

    void open(const QDateTime& connectedAt)
    {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            qDebug() << "Cannot write the capture file" << file.fileName() << file.errorString();
            return;
        }
        write(captureHeader(connectedAt));
    }

    void append(quint64 arrivalUs, const QByteArray& chunk)
    {
        if (!file.isOpen() || full)
            return;
        const QByteArray record = captureRecord(arrivalUs, chunk);
        if (written + record.size() > limitBytes) {
            full = true;
            qDebug() << "Capture file full, later chunks are not kept:" << file.fileName();
            return;
        }
        write(record);
    }

    void close() { file.close(); }

private:
    void write(const QByteArray& bytes)
    {
        written += file.write(bytes);
        // Flushed record by record: a crash loses at most the chunk being written.
        file.flush();
    }

    QFile file;
    qint64 limitBytes;
    qint64 written = 0;
    bool full = false;
};

StreamCaptureWriter::StreamCaptureWriter(const QString& path, qint64 limitBytes)
    : path_(path)
{
    sink = new CaptureFileSink(path, limitBytes);
    sink->moveToThread(&thread);
    thread.start(QThread::LowPriority);
    sinceConnected.start();
    const QDateTime connectedAt = QDateTime::currentDateTimeUtc();
    post([connectedAt](CaptureFileSink& file) { file.open(connectedAt); });
}

StreamCaptureWriter::~StreamCaptureWriter()
{
    // Queued behind the chunks still waiting, so they are all written before the thread ends.
    post([](CaptureFileSink& file) {
        file.close();
        QThread::currentThread()->quit();
    });
    thread.wait();
    delete sink;
}

void StreamCaptureWriter::append(const QByteArray& chunk)
{
    const quint64 arrivalUs = quint64(sinceConnected.nsecsElapsed() / 1000);
    post([arrivalUs, chunk](CaptureFileSink& file) { file.append(arrivalUs, chunk); });
}

void StreamCaptureWriter::post(std::function<void(CaptureFileSink&)> work)
{
    CaptureFileSink* target = sink;
    QMetaObject::invokeMethod(sink, [target, work] { work(*target); }, Qt::QueuedConnection);
}
