#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The requests a receiving instance sends to a sending one, framed as Qt 5 data-stream
// strings (32-bit byte length, then UTF-16 big-endian).
namespace TransferProtocol {

extern const QString ping;     // followed by one 32-bit integer that means nothing
extern const QString pingReply;
extern const QString request;  // send the dataset
extern const QString finish;   // the dataset was stored

QByteArray encodeString(const QString& text);
QByteArray encodePing(qint32 value = 0);

// The first string of one arrival of request bytes; a null string when there is none.
QString decodeRequest(const QByteArray& bytes);

// The address a sender shows: of the addresses in the order the system lists them, the last
// private IPv4 one (starting "10.", "172." or "192.168"); empty when there is none.
QString chooseAddress(const QStringList& addresses);

} // namespace TransferProtocol
