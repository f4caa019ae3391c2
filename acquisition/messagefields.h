#pragma once

#include "acquisition/messagedecoding.h"

#include <array>
#include <optional>

// The families' message fields. s16(i) below is the signed 16-bit big-endian value at byte i.

// Where a status family's "sensor controls" flag comes from.
enum class SensorControlsSource { None, Computed, AlwaysFalse };

// While "sensor controls" holds, the recorded value is s16(minuend) - s16(subtrahend).
struct SensorDifference
{
    int minuend;
    int subtrahend;
};

// Layout of the families whose byte 2 is a status byte.
struct StatusLayout
{
    SensorControlsSource sensorControls;
    int reportedSensors;                        // "number of sensors": -1 not reported, 0 byte 1, else this
    int rangeOffset;                            // "sensor min" at this offset, "sensor max" two bytes on
    int sensorCount;                            // the recorded value is the mean of this many sensors,
    std::array<int, 4> sensorOffsets;           // each the negated s16 at its offset
    std::optional<SensorDifference> difference; // replaces the mean while "sensor controls" holds
};

// Brol Sensor: the main sensor scaled to 16 bits times the magnetometer magnitude.
void decodeBrolSensorFields(const ProbeFamily& family, const QByteArray& message, FamilyState& state,
                            const MessageContext& context, DecodedMessage& out);
// KM: one sensor, its 24-bit reading scaled to 16 bits.
void decodeKMFields(const ProbeFamily& family, const QByteArray& message, FamilyState& state,
                    const MessageContext& context, DecodedMessage& out);
// The families with a status byte, laid out as the family's StatusLayout says.
void decodeStatusFields(const ProbeFamily& family, const QByteArray& message, FamilyState& state,
                        const MessageContext& context, DecodedMessage& out);
