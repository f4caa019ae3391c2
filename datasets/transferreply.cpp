#include "datasets/transferreply.h"

#include <QDataStream>
#include <QtEndian>
#include <algorithm>

namespace {
// Three block sizes and the identifier's byte length.
constexpr int headerSize = 16;
// A dataset identifier is 36 UTF-16 characters.
constexpr quint32 identifierBytes = 72;

quint32 wordAt(const QByteArray& bytes, qint64 offset)
{
    return qFromBigEndian<quint32>(bytes.constData() + offset);
}

// Where the length of block i (metadata, preview, values) stands in the reply.
qint64 blockLengthOffset(int i, const qint32 sizes[3])
{
    qint64 offset = headerSize + identifierBytes;
    for (int k = 0; k < i; ++k)
        offset += 4 + qint64(sizes[k]);
    return offset;
}
} // namespace

QByteArray encodeTransferReply(const TransferReply& reply)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_5_15);
    stream.setByteOrder(QDataStream::BigEndian);
    stream << qint32(reply.metadata.size()) << qint32(reply.preview.size())
           << qint32(reply.values.size()) << reply.identifier << reply.metadata << reply.preview
           << reply.values;
    return bytes;
}

TransferReplyParser::State TransferReplyParser::feed(const QByteArray& chunk)
{
    int used = 0;
    while (current == State::Incomplete && used < chunk.size()) {
        const qint64 limit = total < 0 ? headerSize : total;
        const int take = int(std::min<qint64>(limit - buffer.size(), chunk.size() - used));
        buffer.append(chunk.constData() + used, take);
        used += take;
        advance();
    }
    return current;
}

void TransferReplyParser::advance()
{
    if (total < 0 && buffer.size() == headerSize)
        readHeader();
    if (current == State::Incomplete && total >= 0)
        checkBlockLengths();
    if (current == State::Incomplete && buffer.size() == total)
        finishReply();
}

void TransferReplyParser::readHeader()
{
    for (int i = 0; i < 3; ++i) {
        blockSizes[i] = qint32(wordAt(buffer, 4 * i));
        if (blockSizes[i] < 0)
            return reject(QStringLiteral("negative block size %1").arg(blockSizes[i]));
    }
    if (wordAt(buffer, 12) != identifierBytes)
        return reject(QStringLiteral("identifier of %1 bytes").arg(qint32(wordAt(buffer, 12))));
    const qint64 announced = blockLengthOffset(3, blockSizes);
    if (announced > maximumTotal)
        return reject(QStringLiteral("announced %1 bytes").arg(announced));
    total = announced;
}

void TransferReplyParser::checkBlockLengths()
{
    for (int i = 0; i < 3; ++i) {
        const qint64 offset = blockLengthOffset(i, blockSizes);
        if (buffer.size() < offset + 4)
            return;
        if (wordAt(buffer, offset) != quint32(blockSizes[i]))
            return reject(QStringLiteral("block %1 disagrees with its announced size").arg(i));
    }
}

void TransferReplyParser::finishReply()
{
    parsed.identifier.resize(int(identifierBytes / 2));
    qFromBigEndian<quint16>(buffer.constData() + headerSize, identifierBytes / 2,
                            parsed.identifier.data());
    QByteArray* blocks[3] = {&parsed.metadata, &parsed.preview, &parsed.values};
    for (int i = 0; i < 3; ++i)
        *blocks[i] = buffer.mid(int(blockLengthOffset(i, blockSizes) + 4), blockSizes[i]);
    buffer.clear();
    current = State::Complete;
}

void TransferReplyParser::reject(const QString& why)
{
    reason = why;
    buffer.clear();
    current = State::Rejected;
}
