#include "probemessage.h"

#include "brolsensormessage.h"
#include "acquisition/probefamily.h"
#include "acquisition/xtea.h"

#include <QtEndian>
#include <algorithm>

namespace {
void put16(QByteArray& m, int index, std::int16_t value)
{
    qToBigEndian<std::int16_t>(value, m.data() + index);
}

std::uint8_t statusByte(const ProbeReading& r)
{
    return std::uint8_t((r.valid ? 0x80 : 0) | (r.trigger ? 0x20 : 0) | (r.toggle ? 0x10 : 0));
}

// Laid out as the family's status layout says; every sensor reads the value, negated as the
// recorders negate it.
QByteArray statusMessage(const ProbeReading& r, const ProbeFamily& family)
{
    const StatusLayout& layout = *family.status;
    QByteArray m(family.minimumLength, '\0');
    m[0] = char(r.probeId);
    m[1] = char(layout.reportedSensors > 0 ? layout.reportedSensors : layout.sensorCount);
    m[2] = char(statusByte(r));
    m[3] = char(r.battery);
    if (layout.sensorControls == SensorControlsSource::Computed) {
        // Sensor controls hold while bytes 6..7 and 8..9 are smaller in magnitude than 4..5.
        put16(m, 4, 1000);
        put16(m, 6, 10);
        put16(m, 8, std::int16_t(r.sensorControls ? -10 : -1000));
    }
    if (layout.difference)
        put16(m, layout.difference->minuend, r.value); // the subtrahend stays 0
    for (int i = 0; i < layout.sensorCount; ++i)
        put16(m, layout.sensorOffsets[std::size_t(i)], std::int16_t(-r.value));
    put16(m, layout.rangeOffset, r.sensorMin);
    put16(m, layout.rangeOffset + 2, r.sensorMax);
    return m;
}

QByteArray kmMessage(const ProbeReading& r, const ProbeFamily& family)
{
    QByteArray m(family.minimumLength, '\0');
    m[0] = char(r.probeId);
    m[2] = char(r.widthCode);
    m[3] = char(r.battery);
    const std::int32_t reading = std::int32_t(r.value) * 256;
    m[4] = char((reading >> 16) & 0xFF);
    m[5] = char((reading >> 8) & 0xFF);
    m[6] = char(reading & 0xFF);
    return m;
}

QByteArray brolSensorMessage(const ProbeReading& r)
{
    BrolSensorMessage fields;
    fields.probeId = std::uint8_t(r.probeId);
    fields.widthCode = r.widthCode;
    fields.battery = r.battery;
    fields.reading = std::int32_t(r.value) * 256;
    fields.magnetometerZ = 1; // magnitude 1: the main sensor alone carries the value
    return encodeBrolSensorMessage(fields, false);
}

QByteArray plainMessage(ProbeReading r)
{
    const auto [low, high] = probeValueRange(r.probeId);
    r.value = std::int16_t(std::clamp(int(r.value), low, high));
    const ProbeFamily* family = findProbeFamily(r.probeId);
    if (family && family->status)
        return statusMessage(r, *family);
    if (family && family->decodeFields == decodeKMFields)
        return kmMessage(r, *family);
    return brolSensorMessage(r);
}
} // namespace

std::pair<int, int> probeValueRange(int probeId)
{
    const ProbeFamily* family = findProbeFamily(probeId);
    const int sensors = family && family->status ? family->status->sensorCount : 1;
    return {-32768 / sensors, 32767 / sensors};
}

int probeMessageLength(int probeId)
{
    const ProbeFamily* family = findProbeFamily(probeId);
    return family ? family->minimumLength : 0;
}

QByteArray encodeProbeMessage(const ProbeReading& reading, bool encipher)
{
    QByteArray message = plainMessage(reading);
    if (encipher) {
        message[1] = char(encipheredFlag);
        encipherPayload(message);
    }
    return message;
}
