#pragma once

// Scanner messages handed straight to a recorder, for the recorder tests.

#include "acquisition/devices/datarecorder.h"
#include "probemessage.h"

// An enciphered message of family `probeId` that decodes to `value`.
inline QByteArray reading(int probeId, int value, int battery = 0, bool trigger = false, bool toggle = false)
{
    ProbeReading r;
    r.probeId = probeId;
    r.value = std::int16_t(value);
    r.battery = std::int8_t(battery);
    r.trigger = trigger;
    r.toggle = toggle;
    return encodeProbeMessage(r, true);
}

inline void feed(DataRecorder& recorder, QByteArray message)
{
    recorder.processData(message);
}
