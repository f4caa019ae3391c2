#include "brolsensormessage.h"

#include "acquisition/probefamily.h"
#include "acquisition/xtea.h"

#include <QtEndian>

namespace {
void putInt24(char* at, std::int32_t value)
{
    at[0] = char((value >> 16) & 0xFF);
    at[1] = char((value >> 8) & 0xFF);
    at[2] = char(value & 0xFF);
}
} // namespace

QByteArray encodeBrolSensorMessage(const BrolSensorMessage& m, bool encipher)
{
    QByteArray bytes(probeFamilyOf<170>().minimumLength, '\0');
    char* d = bytes.data();
    d[0] = char(m.probeId);
    d[1] = char(encipher ? encipheredFlag : plainFlag);
    d[2] = char(m.widthCode);
    d[3] = char(m.battery);
    putInt24(d + 4, m.reading);
    qToBigEndian<std::int16_t>(m.magnetometerX, d + 10);
    qToBigEndian<std::int16_t>(m.magnetometerY, d + 12);
    qToBigEndian<std::int16_t>(m.magnetometerZ, d + 14);
    if (encipher)
        encipherPayload(bytes);
    return bytes;
}
