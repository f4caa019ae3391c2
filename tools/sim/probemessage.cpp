#include "probemessage.h"

#include "brolsensormessage.h"
#include "acquisition/xtea.h"

#include <QtEndian>
#include <algorithm>
#include <initializer_list>

namespace {
enum class Layout { BrolSensor, KM, ZSeries, Levelplane50, Levelplane100, Spanwell, SpanwellGen2, Unknown };

Layout layoutFor(int probeId)
{
    switch (probeId) {
    case 170: return Layout::BrolSensor;
    case 10: return Layout::KM;
    case 1: return Layout::ZSeries;
    case 11: return Layout::Levelplane50;
    case 13: return Layout::Levelplane100;
    case 2:
    case 21: return Layout::Spanwell;
    case 3: return Layout::SpanwellGen2;
    default: return Layout::Unknown;
    }
}

void put16(QByteArray& m, int index, std::int16_t value)
{
    qToBigEndian<std::int16_t>(value, m.data() + index);
}

std::uint8_t statusByte(const ProbeReading& r)
{
    return std::uint8_t((r.valid ? 0x80 : 0) | (r.trigger ? 0x20 : 0) | (r.toggle ? 0x10 : 0));
}

// The recorders negate these sensors; every sensor reads the same value.
void putNegatedSensors(QByteArray& m, std::initializer_list<int> offsets, std::int16_t value)
{
    for (int offset : offsets)
        put16(m, offset, std::int16_t(-value));
}

QByteArray statusMessage(const ProbeReading& r, int length, std::uint8_t byte1)
{
    QByteArray m(length, '\0');
    m[0] = char(r.probeId);
    m[1] = char(byte1);
    m[2] = char(statusByte(r));
    m[3] = char(r.battery);
    return m;
}

QByteArray plainMessage(ProbeReading r)
{
    const auto [low, high] = probeValueRange(r.probeId);
    r.value = std::int16_t(std::clamp(int(r.value), low, high));
    switch (layoutFor(r.probeId)) {
    case Layout::KM: {
        QByteArray m(7, '\0');
        m[0] = char(r.probeId);
        m[2] = char(r.widthCode);
        m[3] = char(r.battery);
        const std::int32_t reading = std::int32_t(r.value) * 256;
        m[4] = char((reading >> 16) & 0xFF);
        m[5] = char((reading >> 8) & 0xFF);
        m[6] = char(reading & 0xFF);
        return m;
    }
    case Layout::ZSeries: {
        QByteArray m = statusMessage(r, 38, 4);
        // Sensor controls hold while bytes 6..7 and 8..9 are smaller in magnitude than 4..5.
        put16(m, 4, 1000);
        put16(m, 6, 10);
        put16(m, 8, std::int16_t(r.sensorControls ? -10 : -1000));
        put16(m, 10, r.value);
        put16(m, 28, 0);
        putNegatedSensors(m, {14, 20, 26, 32}, r.value);
        put16(m, 34, r.sensorMin);
        put16(m, 36, r.sensorMax);
        return m;
    }
    case Layout::Levelplane50:
    case Layout::Levelplane100: {
        QByteArray m = statusMessage(r, 38, 2);
        putNegatedSensors(m, {14, 20, 26, 32}, r.value);
        put16(m, 34, r.sensorMin);
        put16(m, 36, r.sensorMax);
        return m;
    }
    case Layout::Spanwell:
    case Layout::SpanwellGen2: {
        QByteArray m = statusMessage(r, 20, 1);
        putNegatedSensors(m, {layoutFor(r.probeId) == Layout::Spanwell ? 14 : 10}, r.value);
        put16(m, 16, r.sensorMin);
        put16(m, 18, r.sensorMax);
        return m;
    }
    case Layout::BrolSensor:
    case Layout::Unknown:
        break;
    }
    BrolSensorMessage fields;
    fields.probeId = std::uint8_t(r.probeId);
    fields.widthCode = r.widthCode;
    fields.battery = r.battery;
    fields.reading = std::int32_t(r.value) * 256;
    fields.magnetometerZ = 1; // magnitude 1: the main sensor alone carries the value
    return encodeBrolSensorMessage(fields, false);
}
} // namespace

std::pair<int, int> probeValueRange(int probeId)
{
    switch (layoutFor(probeId)) {
    case Layout::ZSeries:
    case Layout::Levelplane100: return {-8192, 8191};
    case Layout::Levelplane50: return {-16384, 16383};
    default: return {-32768, 32767};
    }
}

int probeMessageLength(int probeId)
{
    switch (layoutFor(probeId)) {
    case Layout::BrolSensor: return 18;
    case Layout::KM: return 7;
    case Layout::ZSeries:
    case Layout::Levelplane50:
    case Layout::Levelplane100: return 38;
    case Layout::Spanwell:
    case Layout::SpanwellGen2: return 20;
    case Layout::Unknown: break;
    }
    return 0;
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
