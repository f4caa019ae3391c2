#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>
#include <QThread>
#include <functional>

class CaptureFileSink;
class QByteArray;

// Writes one connection's capture file (streamcapture.h) on a thread of its own, so that a
// slow disk never holds up the link. The caller only stamps each chunk and hands it over.
class StreamCaptureWriter
{
public:
    static constexpr qint64 defaultLimitBytes = 64 * 1024 * 1024;

    // Starts the file at `path` for a connection made now. Chunks that would take the file
    // past `limitBytes` are left out, so a forgotten switch cannot fill the disk.
    explicit StreamCaptureWriter(const QString& path, qint64 limitBytes = defaultLimitBytes);
    // Writes what is still queued (each chunk is written as it comes, so that is little)
    // and closes the file.
    ~StreamCaptureWriter();
    StreamCaptureWriter(const StreamCaptureWriter&) = delete;
    StreamCaptureWriter& operator=(const StreamCaptureWriter&) = delete;

    // Records `chunk` as arriving now.
    void append(const QByteArray& chunk);
    const QString& path() const { return path_; }

private:
    // Runs `work` on the writer's thread, after everything posted before it.
    void post(std::function<void(CaptureFileSink&)> work);

    QString path_;
    QElapsedTimer sinceConnected;
    QThread thread;
    CaptureFileSink* sink = nullptr;
};
