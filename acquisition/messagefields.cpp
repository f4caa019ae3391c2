#include "acquisition/messagefields.h"

#include "acquisition/probefamily.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr int statusValid = 0x80;
constexpr int statusTrigger = 0x20;
constexpr int statusToggle = 0x10;

// Big-endian, first byte signed.
std::int16_t s16(const QByteArray& message, int index)
{
    return std::int16_t((std::uint8_t(message[index]) << 8) | std::uint8_t(message[index + 1]));
}

std::int32_t s24(const QByteArray& message, int index)
{
    const std::int32_t raw = (std::uint8_t(message[index]) << 16) | (std::uint8_t(message[index + 1]) << 8)
                             | std::uint8_t(message[index + 2]);
    return raw >= 0x800000 ? raw - 0x1000000 : raw;
}

// 1 = 0.9, 2 = 1.8, 3 = 0.4, anything else 0.9.
double trackWidthForCode(std::uint8_t code)
{
    switch (code) {
    case 2: return 1.8;
    case 3: return 0.4;
    default: return 0.9;
    }
}

// Single-sensor probes report "track width", "sensor min" 0 and "sensor max" 20000 while a
// recording runs; returns false (and reports nothing) otherwise.
bool addSingleSensorProperties(const QByteArray& message, const MessageContext& context, DecodedMessage& out)
{
    if (!context.datasetAttached || !context.recordingActive)
        return false;
    out.properties.emplace_back(QStringLiteral("track width"), 0.9);
    const std::uint8_t code = std::uint8_t(message[2]);
    if (code >= 1 && code <= 3)
        out.properties.emplace_back(QStringLiteral("track width"), trackWidthForCode(code));
    out.properties.emplace_back(QStringLiteral("sensor min"), 0);
    out.properties.emplace_back(QStringLiteral("sensor max"), 20000);
    return true;
}

bool computedSensorControls(const QByteArray& m)
{
    const int reference = std::abs(int(s16(m, 4)));
    return std::abs(int(s16(m, 8))) < reference && std::abs(int(s16(m, 6))) < reference;
}

void decodeSensors(const QByteArray& message, const FamilyState& state, const StatusLayout& layout,
                   DecodedMessage& out)
{
    out.hasValue = true;
    if (layout.difference && state.sensorControls) {
        const SensorDifference& d = *layout.difference;
        out.value = std::int16_t(s16(message, d.minuend) - s16(message, d.subtrahend));
        out.debugLines << QStringLiteral("Sensor1: %1").arg(out.value);
        return;
    }
    // Negation and sum wrap to 16 bits; the division truncates toward zero.
    std::int16_t sum = 0;
    for (int i = 0; i < layout.sensorCount; ++i) {
        const auto sensor = std::int16_t(-s16(message, layout.sensorOffsets[std::size_t(i)]));
        sum = std::int16_t(sum + sensor);
        out.debugLines << QStringLiteral("Sensor%1: %2").arg(i + 1).arg(sensor);
    }
    out.value = std::int16_t(sum / layout.sensorCount);
}
} // namespace

void decodeBrolSensorFields(const ProbeFamily&, const QByteArray& m, FamilyState&, const MessageContext& context,
                            DecodedMessage& out)
{
    if (!addSingleSensorProperties(m, context, out))
        return;
    const auto p = std::int16_t(s24(m, 4) / 256);
    out.debugLines << QStringLiteral("KM Sensor (Mapped to 16bit): %1").arg(p);
    const double x = s16(m, 10), y = s16(m, 12), z = s16(m, 14);
    const auto magnitude = std::int16_t(std::int64_t(std::sqrt(x * x + y * y + z * z)));
    out.debugLines << QStringLiteral("Magnetometer Value: %1").arg(magnitude);
    out.hasValue = true;
    out.value = std::int16_t(int(p) * int(magnitude));
    out.debugLines << QStringLiteral("Combined: %1").arg(out.value);
}

void decodeKMFields(const ProbeFamily&, const QByteArray& m, FamilyState&, const MessageContext& context,
                    DecodedMessage& out)
{
    if (!addSingleSensorProperties(m, context, out))
        return;
    const std::int32_t reading = s24(m, 4);
    out.hasValue = true;
    out.value = std::int16_t(reading / 256);
    out.debugLines << QStringLiteral("Sensor1 (Original Data - 21bit): %1").arg(reading)
                   << QStringLiteral("Sensor1 (Mapped to 16bit): %1").arg(out.value);
}

void decodeStatusFields(const ProbeFamily& family, const QByteArray& message, FamilyState& state,
                        const MessageContext& context, DecodedMessage& out)
{
    const StatusLayout& layout = *family.status;
    if (!context.datasetAttached)
        return;
    if (layout.sensorControls != SensorControlsSource::None) {
        state.sensorControls = layout.sensorControls == SensorControlsSource::Computed && computedSensorControls(message);
        out.properties.emplace_back(QStringLiteral("sensor controls"), state.sensorControls);
    }
    if (!context.recordingActive)
        return;
    if (layout.reportedSensors >= 0) {
        const int count = layout.reportedSensors == 0 ? int(std::int8_t(message[1])) : layout.reportedSensors;
        out.properties.emplace_back(QStringLiteral("number of sensors"), count);
    }

    const int status = std::uint8_t(message[2]);
    if (!(status & statusValid)) {
        out.debugLines << QStringLiteral("Connection lost...\n");
        return;
    }
    const bool toggle = status & statusToggle;
    out.trackToggled = toggle != state.toggleBit;
    state.toggleBit = toggle;
    state.triggerHeld = status & statusTrigger;

    out.properties.emplace_back(QStringLiteral("sensor min"), int(s16(message, layout.rangeOffset)));
    out.properties.emplace_back(QStringLiteral("sensor max"), int(s16(message, layout.rangeOffset + 2)));
    decodeSensors(message, state, layout, out);
}
