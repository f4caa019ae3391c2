#pragma once

#include <QByteArray>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <utility>
#include <vector>

// Decoding of one scanner message for a probe family, free of widgets, timers and datasets:
// the recorder applies the result. The families differ only in their row of the family
// table (acquisition/probefamily.h).

struct ProbeFamily;

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

// A family's fields, read after the length, cipher and battery checks.
using FieldDecoder = void (*)(const ProbeFamily& family, const QByteArray& message, FamilyState& state,
                              const MessageContext& context, DecodedMessage& out);

// Length check, deciphering (in place), battery rule, then the family's fields.
DecodedMessage decodeMessage(const ProbeFamily& family, QByteArray& message, FamilyState& state,
                             const MessageContext& context);
