#pragma once

#include <QByteArray>
#include <QString>

// The sender's answer to a request: one dataset's three files as they travel.
struct TransferReply
{
    QString identifier;
    QByteArray metadata; // binary JSON
    QByteArray preview;  // PNG
    QByteArray values;   // the value file, header included
};

// The sizes of the three blocks, the identifier and the three blocks, in the Qt 5 data-stream
// framing (big-endian 32-bit sizes, UTF-16 big-endian identifier, length-prefixed arrays).
QByteArray encodeTransferReply(const TransferReply& reply);

// Reads a reply as it arrives in chunks of any size. The reply decides sizes on the receiving
// side, so a peer that announces negative, disagreeing or huge sizes is rejected as soon as
// they are seen, and the buffer never holds more than the announced total.
class TransferReplyParser
{
public:
    enum class State { Incomplete, Complete, Rejected };

    // The largest reply accepted, framing included.
    static constexpr qint64 maximumTotal = 256 * 1024 * 1024;

    // Bytes after a complete reply are not read.
    State feed(const QByteArray& chunk);

    State state() const { return current; }
    // The whole reply once state() is Complete.
    const TransferReply& reply() const { return parsed; }
    // Why the reply was rejected, for the log.
    const QString& rejection() const { return reason; }
    int bufferedBytes() const { return buffer.size(); }
    // The whole reply's length once its sizes were read; -1 before.
    qint64 announcedTotal() const { return total; }

private:
    void advance();
    void readHeader();
    void checkBlockLengths();
    void finishReply();
    void reject(const QString& why);

    QByteArray buffer;
    qint64 total = -1;
    qint32 blockSizes[3] = {0, 0, 0};
    State current = State::Incomplete;
    TransferReply parsed;
    QString reason;
};
