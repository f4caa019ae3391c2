#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <vector>

// A capture of the scanner's stream: every chunk the link received, with its arrival time,
// so that a problem seen in the field can be replayed at a desk.
//
// File layout, all numbers little-endian:
//   offset 0   6 bytes  magic "SVSCAP"
//   offset 6   uint16   format version, 1
//   offset 8   int64    connection time, milliseconds since 1970-01-01 UTC
//   offset 16  records, one per chunk, in arrival order:
//              uint64   arrival, microseconds after the connection was established
//              uint32   chunk length n
//              n bytes  the chunk exactly as received (before any deciphering)
// There is no trailer: a file cut off by a crash or a full disk ends inside a record, and
// the reader keeps every record before it.

namespace StreamCaptureFormat {
constexpr char magic[6] = {'S', 'V', 'S', 'C', 'A', 'P'};
constexpr quint16 version = 1;
constexpr int headerSize = 16;
constexpr int recordHeaderSize = 12;
// A chunk is one socket read; anything longer than this is a damaged length field.
constexpr quint32 longestChunk = 16 * 1024 * 1024;
} // namespace StreamCaptureFormat

struct CapturedChunk
{
    quint64 arrivalUs = 0;
    QByteArray bytes;
};

struct StreamCapture
{
    QDateTime connectedAt;
    std::vector<CapturedChunk> chunks;
    // The file ends inside a record; `chunks` holds the whole ones before it.
    bool truncated = false;
};

QByteArray captureHeader(const QDateTime& connectedAt);
QByteArray captureRecord(quint64 arrivalUs, const QByteArray& chunk);

// The capture in `content`. Empty `failure` on success; otherwise it says, in English for the
// developer reading the simulator's output, why the content
// is no capture at all (a damaged tail is not a failure, see `truncated`).
struct StreamCaptureRead
{
    StreamCapture capture;
    QString failure;
};
StreamCaptureRead parseStreamCapture(const QByteArray& content);
StreamCaptureRead readStreamCapture(const QString& path);

// Documents folder + "Scanner captures/", beside the datasets (the library lists no sub-folder).
QString captureFolder();
// A new file name in captureFolder() for a connection made at `connectedAt`.
QString captureFilePath(const QDateTime& connectedAt);
