#pragma once

#include <QByteArray>
#include <cstdint>
#include <utility>

// Builds the message a probe of any family sends for one reading, laid out so that the
// family's recorder decodes `value` from it. Used by the scanner simulator and the tests.
struct ProbeReading
{
    int probeId = 170;
    std::int16_t value = 0;
    std::int8_t battery = 100;
    std::uint8_t widthCode = 1;     // single-sensor probes: 1 = 0.9 m, 2 = 1.8 m, 3 = 0.4 m
    bool valid = true;              // status bit 7
    bool trigger = false;           // status bit 5
    bool toggle = false;            // status bit 4
    bool sensorControls = false;    // Z-Series: sensor values that make the probe drive the recording
    std::int16_t sensorMin = -2000;
    std::int16_t sensorMax = 2000;
};

// The values a family's message can carry: probes that average several sensors sum them in
// 16 bits, so their mean stays within 32768 / sensors. The encoder clamps to this range.
std::pair<int, int> probeValueRange(int probeId);

// The message length of a family; 0 for an id outside the catalogue.
int probeMessageLength(int probeId);
// The message, with its payload enciphered when asked to. Ids outside the catalogue get the
// Brol Sensor layout.
QByteArray encodeProbeMessage(const ProbeReading& reading, bool encipher);
