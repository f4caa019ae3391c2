#include "datasets/transferprotocol.h"

#include <QDataStream>

namespace TransferProtocol {

const QString ping = QStringLiteral("SV3D_PING");
const QString pingReply = QStringLiteral("Found");
const QString request = QStringLiteral("Init");
const QString finish = QStringLiteral("Close");

namespace {
QDataStream& prepared(QDataStream& stream)
{
    stream.setVersion(QDataStream::Qt_5_15);
    stream.setByteOrder(QDataStream::BigEndian);
    return stream;
}

bool isIpv4Text(const QString& address)
{
    const QStringList parts = address.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < 0 || value > 255 || part.size() > 3)
            return false;
    }
    return true;
}
} // namespace

QByteArray encodeString(const QString& text)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    prepared(stream) << text;
    return bytes;
}

QByteArray encodePing(qint32 value)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    prepared(stream) << ping << value;
    return bytes;
}

QString decodeRequest(const QByteArray& bytes)
{
    QDataStream stream(bytes);
    QString text;
    prepared(stream) >> text;
    return stream.status() == QDataStream::Ok ? text : QString();
}

QString chooseAddress(const QStringList& addresses)
{
    QString chosen;
    for (const QString& address : addresses) {
        const bool isPrivate = address.startsWith(QLatin1String("10."))
                               || address.startsWith(QLatin1String("172."))
                               || address.startsWith(QLatin1String("192.168"));
        if (isPrivate && isIpv4Text(address))
            chosen = address;
    }
    return chosen;
}

} // namespace TransferProtocol
