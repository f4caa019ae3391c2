#include "acquisition/streamcapture.h"

#include "app/appsettings.h"

#include <QFile>
#include <QtEndian>
#include <cstring>

namespace Format = StreamCaptureFormat;

namespace {
template <typename T>
void appendLittleEndian(QByteArray& out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, int(sizeof(T)));
}

template <typename T>
T littleEndianAt(const QByteArray& in, int offset)
{
    return qFromLittleEndian<T>(in.constData() + offset);
}
} // namespace

QByteArray captureHeader(const QDateTime& connectedAt)
{
    QByteArray header(Format::magic, int(sizeof(Format::magic)));
    appendLittleEndian<quint16>(header, Format::version);
    appendLittleEndian<qint64>(header, connectedAt.toMSecsSinceEpoch());
    return header;
}

QByteArray captureRecord(quint64 arrivalUs, const QByteArray& chunk)
{
    QByteArray record;
    record.reserve(Format::recordHeaderSize + chunk.size());
    appendLittleEndian<quint64>(record, arrivalUs);
    appendLittleEndian<quint32>(record, quint32(chunk.size()));
    record.append(chunk);
    return record;
}

StreamCaptureRead parseStreamCapture(const QByteArray& content)
{
    StreamCaptureRead result;
    if (content.size() < Format::headerSize
        || std::memcmp(content.constData(), Format::magic, sizeof(Format::magic)) != 0) {
        result.failure = QStringLiteral("not a scanner stream capture");
        return result;
    }
    if (littleEndianAt<quint16>(content, 6) != Format::version) {
        result.failure = QStringLiteral("unknown capture format version");
        return result;
    }
    StreamCapture& capture = result.capture;
    capture.connectedAt = QDateTime::fromMSecsSinceEpoch(littleEndianAt<qint64>(content, 8), Qt::UTC);

    qint64 offset = Format::headerSize;
    while (offset < content.size()) {
        if (content.size() - offset < Format::recordHeaderSize) {
            capture.truncated = true;
            break;
        }
        const quint64 arrival = littleEndianAt<quint64>(content, int(offset));
        const quint32 length = littleEndianAt<quint32>(content, int(offset) + 8);
        const qint64 body = offset + Format::recordHeaderSize;
        if (length > Format::longestChunk || content.size() - body < qint64(length)) {
            capture.truncated = true;
            break;
        }
        capture.chunks.push_back({arrival, content.mid(int(body), int(length))});
        offset = body + length;
    }
    return result;
}

StreamCaptureRead readStreamCapture(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        StreamCaptureRead result;
        result.failure = file.errorString();
        return result;
    }
    return parseStreamCapture(file.readAll());
}

QString captureFolder()
{
    return documentsFolder() + QStringLiteral("Scanner captures/");
}

QString captureFilePath(const QDateTime& connectedAt)
{
    return captureFolder() + QStringLiteral("scanner_")
           + connectedAt.toUTC().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss-zzz")) + QStringLiteral(".svcap");
}
