#include "acquisition/messagedecoding.h"

#include "acquisition/xtea.h"

#include <cstdlib>

namespace {
constexpr int statusValid = 0x80;
constexpr int statusTrigger = 0x20;
constexpr int statusToggle = 0x10;

bool batteryAccepted(const RecorderFamily& family, QByteArray& message, FamilyState& state)
{
    const int level = std::int8_t(message[3]);
    const int change = state.battery - level;
    state.battery = level;
    return family.batteryRule == BatteryRule::AnyChange ? change == 0 : std::abs(change) <= 1;
}

void reportShortMessage(const RecorderFamily& family, int length, DecodedMessage& out)
{
    switch (family.shortReport) {
    case ShortMessageReport::TransmissionError:
        out.debugLines << QStringLiteral("Wrong Data (Transmission errror)");
        break;
    case ShortMessageReport::WithLength:
        out.debugLines << QStringLiteral("Wrong Data: %1").arg(length);
        break;
    case ShortMessageReport::Silent:
        break;
    }
}
} // namespace

DecodedMessage decodeMessage(const RecorderFamily& family, QByteArray& message, FamilyState& state,
                             const MessageContext& context)
{
    DecodedMessage out;
    if (message.size() < family.minimumLength || message.size() < 4) {
        reportShortMessage(family, message.size(), out);
        return out;
    }
    if (isEnciphered(message))
        decipherPayload(message);
    if (!batteryAccepted(family, message, state))
        return out;
    out.accepted = true;
    family.decodeFields(message, state, context, out);
    return out;
}

namespace MessageFields {

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

double trackWidthForCode(std::uint8_t code)
{
    switch (code) {
    case 2: return 1.8;
    case 3: return 0.4;
    default: return 0.9;
    }
}

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

void decodeStatusMessage(const QByteArray& message, FamilyState& state, const MessageContext& context,
                         DecodedMessage& out, const StatusLayout& layout,
                         std::int16_t (*differential)(const QByteArray&))
{
    if (!context.datasetAttached)
        return;
    if (layout.sensorControls != SensorControlsSource::None) {
        state.sensorControls = layout.sensorControls == SensorControlsSource::Computed
            && std::abs(int(s16(message, 8))) < std::abs(int(s16(message, 4)))
            && std::abs(int(s16(message, 6))) < std::abs(int(s16(message, 4)));
        out.properties.emplace_back(QStringLiteral("sensor controls"), state.sensorControls);
    }
    if (!context.recordingActive)
        return;
    if (layout.numberOfSensors >= 0) {
        const int count = layout.numberOfSensors == 0 ? int(std::int8_t(message[1])) : layout.numberOfSensors;
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

    out.hasValue = true;
    if (differential && state.sensorControls) {
        out.value = differential(message);
        out.debugLines << QStringLiteral("Sensor1: %1").arg(out.value);
        return;
    }
    // Negation and sum wrap to 16 bits; the division truncates toward zero.
    std::int16_t sum = 0;
    int number = 1;
    for (int offset : layout.sensorOffsets) {
        const auto sensor = std::int16_t(-s16(message, offset));
        sum = std::int16_t(sum + sensor);
        out.debugLines << QStringLiteral("Sensor%1: %2").arg(number++).arg(sensor);
    }
    out.value = std::int16_t(sum / int(layout.sensorOffsets.size()));
}

} // namespace MessageFields
