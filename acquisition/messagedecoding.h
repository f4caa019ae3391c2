#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <utility>
#include <vector>

// Decoding of one scanner message for a probe family, free of widgets, timers and datasets:
// the recorder applies the result. The families differ only in the table RecorderFamily.

// What the recorder knows when a message arrives.
struct MessageContext
{
    bool datasetAttached = false;
    bool recordingActive = false;
};

// What a family's decoder remembers between messages.
struct FamilyState
{
    int battery = 0;            // byte 3 of the last message, signed
    bool sensorControls = false;// the probe's trigger and toggle drive the recording
    bool toggleBit = false;     // status bit 4 of the last valid message
    bool triggerHeld = false;   // status bit 5 of the last valid message
};

struct DecodedMessage
{
    bool accepted = false;                                  // passed length and battery checks
    std::vector<std::pair<QString, QVariant>> properties;   // dataset properties to set, in order
    bool hasValue = false;                                  // a new current value was decoded
    std::int16_t value = 0;
    bool trackToggled = false;                              // status bit 4 changed
    QStringList debugLines;
};

enum class ShortMessageReport { TransmissionError, Silent, WithLength };
enum class BatteryRule { ToleratesOne, AnyChange };
enum class SamplingGate { NotPaused, Trigger, TriggerWithSensorControls };
enum class RecorderControls { ValuePauseNextTrack, PauseNextTrack, None };

using FieldDecoder = void (*)(const QByteArray& message, FamilyState& state,
                              const MessageContext& context, DecodedMessage& out);

// Everything in which the probe families' recorders differ.
struct RecorderFamily
{
    int probeId;
    int minimumLength;
    ShortMessageReport shortReport;
    BatteryRule batteryRule;
    SamplingGate gate;
    RecorderControls controls;
    int tonePeriod;             // a tone may sound on every n-th sampling tick
    FieldDecoder decodeFields;  // runs after the length, cipher and battery checks
};

// Length check, deciphering (in place), battery rule, then the family's fields.
DecodedMessage decodeMessage(const RecorderFamily& family, QByteArray& message, FamilyState& state,
                             const MessageContext& context);

// Field helpers shared by the families' decoders (big-endian, first byte signed).
namespace MessageFields {
std::int16_t s16(const QByteArray& message, int index);
std::int32_t s24(const QByteArray& message, int index);
// 1 = 0.9, 2 = 1.8, 3 = 0.4, anything else 0.9.
double trackWidthForCode(std::uint8_t code);
// Single-sensor probes report "track width", "sensor min" 0 and "sensor max" 20000 while a
// recording runs; returns false (and reports nothing) otherwise.
bool addSingleSensorProperties(const QByteArray& message, const MessageContext& context, DecodedMessage& out);

// Layout of the families whose byte 2 is a status byte.
enum class SensorControlsSource { None, Computed, AlwaysFalse };
struct StatusLayout
{
    SensorControlsSource sensorControls;
    int numberOfSensors;        // -1: not reported, 0: byte 1, otherwise this number
    int rangeOffset;            // "sensor min" at this offset, "sensor max" two bytes on
    std::vector<int> sensorOffsets; // each sensor is the negated s16 at its offset
};
// The status-byte decoding; the recorded value is the mean of the sensors unless
// `differential` is given, which then replaces it while "sensor controls" holds.
void decodeStatusMessage(const QByteArray& message, FamilyState& state, const MessageContext& context,
                         DecodedMessage& out, const StatusLayout& layout,
                         std::int16_t (*differential)(const QByteArray&) = nullptr);
} // namespace MessageFields
