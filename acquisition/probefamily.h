#pragma once

#include "acquisition/messagefields.h"
#include "acquisition/datasetfamily.h"

#include <iterator>

enum class SamplingGate { NotPaused, Trigger, TriggerWithSensorControls };
enum class RecorderControls { ValuePauseNextTrack, PauseNextTrack, None };

// Everything in which the probe families differ: their place in the catalogue, their
// datasets, their messages and their recorders.
struct ProbeFamily
{
    int probeId;                  // byte 0 of every message and the datasets' "probe id"
    const char* name;             // the suffix of the family's class names
    const char* displayName;      // not translated
    // Datasets
    const char* header;           // start of the value file, including its final blank
    FieldInput fieldInput;        // also chooses the property table
    int numberOfSensors;          // "number of sensors" of a new dataset
    SensorControls sensorControls;
    bool logsFailedSet;           // setProperty logs an unknown key before it throws
    // Messages
    int minimumLength;            // shorter messages are reported as shortReport says and dropped
    ShortMessageReport shortReport;
    BatteryRule batteryRule;
    FieldDecoder decodeFields;
    const StatusLayout* status;   // null for the families without a status byte
    // Recorders
    SamplingGate gate;
    RecorderControls controls;
    int tonePeriod;               // a tone may sound on every n-th sampling tick
};

namespace ProbeLayouts {
using S = SensorControlsSource;
inline constexpr StatusLayout zSeries{S::Computed, 0, 34, 4, {14, 20, 26, 32}, SensorDifference{10, 28}};
inline constexpr StatusLayout levelplane50{S::AlwaysFalse, 2, 34, 2, {14, 32}, std::nullopt};
// Reports two sensors like the 50 although it reads four.
inline constexpr StatusLayout levelplane100{S::AlwaysFalse, 2, 34, 4, {14, 20, 26, 32}, std::nullopt};
// The 85 Plumbset speaks the Spanwell's messages under its own probe id.
inline constexpr StatusLayout spanwell{S::None, -1, 16, 1, {14}, std::nullopt};
inline constexpr StatusLayout spanwellGen2{S::None, -1, 16, 1, {10}, std::nullopt};
} // namespace ProbeLayouts

// The probe catalogue: every id not listed here names no probe. The fuzz corpus picks a
// family by its place in this table, so new families go at the end.
inline constexpr ProbeFamily probeFamilies[] = {
    // id, name, display name,
    //   value file header, field input, number of sensors, sensor controls, logs failed set,
    //   minimum length, short message report, battery rule, field decoder, status layout,
    //   sampling gate, controls, tone period
    {170, "BrolSensor", "Sorvanel Brol Sensor",
     "SV-Brol_Sensor 3D-File ", FieldInput::Length, 1, SensorControls::Off, false,
     18, ShortMessageReport::TransmissionError, BatteryRule::ToleratesOne, decodeBrolSensorFields, nullptr,
     SamplingGate::NotPaused, RecorderControls::ValuePauseNextTrack, 4},
    {10, "KM", "Sorvanel KM",
     "SV-KM 3D-File ", FieldInput::Length, 0, SensorControls::Off, false,
     7, ShortMessageReport::TransmissionError, BatteryRule::ToleratesOne, decodeKMFields, nullptr,
     SamplingGate::NotPaused, RecorderControls::ValuePauseNextTrack, 4},
    {1, "ZSeries", "Sorvanel Z-Series",
     "SV-ZSeries 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false,
     38, ShortMessageReport::Silent, BatteryRule::ToleratesOne, decodeStatusFields, &ProbeLayouts::zSeries,
     SamplingGate::TriggerWithSensorControls, RecorderControls::PauseNextTrack, 10},
    {11, "50Levelplane", "50 Levelplane Probe",
     "SV-50Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false,
     38, ShortMessageReport::Silent, BatteryRule::ToleratesOne, decodeStatusFields, &ProbeLayouts::levelplane50,
     SamplingGate::NotPaused, RecorderControls::PauseNextTrack, 4},
    // Any change of the battery byte drops the 100 Levelplane's message.
    {13, "100Levelplane", "100 Levelplane Probe",
     "SV-100Levelplane 3D-File ", FieldInput::WidthAndLength, 0, SensorControls::Settable, false,
     38, ShortMessageReport::Silent, BatteryRule::AnyChange, decodeStatusFields, &ProbeLayouts::levelplane100,
     SamplingGate::NotPaused, RecorderControls::PauseNextTrack, 4},
    {2, "Spanwell", "Sorvanel Spanwell",
     "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true,
     20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne, decodeStatusFields, &ProbeLayouts::spanwell,
     SamplingGate::Trigger, RecorderControls::None, 10},
    // Shares the first generation's name and file header, so each reads the other's files.
    {3, "SpanwellGen2", "Sorvanel Spanwell",
     "SV-Spanwell 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true,
     20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne, decodeStatusFields, &ProbeLayouts::spanwellGen2,
     SamplingGate::Trigger, RecorderControls::None, 10},
    {21, "85Plumbset", "85 Plumbset Probe",
     "SV-85Plum.P 3D-File ", FieldInput::WidthAndLength, 1, SensorControls::On, true,
     20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne, decodeStatusFields, &ProbeLayouts::spanwell,
     SamplingGate::Trigger, RecorderControls::None, 10},
};

// The family of a probe id; null for an id outside the catalogue.
constexpr const ProbeFamily* findProbeFamily(int probeId)
{
    for (const ProbeFamily& family : probeFamilies) {
        if (family.probeId == probeId)
            return &family;
    }
    return nullptr;
}

// The family of an id known when compiling; an id outside the catalogue does not compile.
template <int ProbeId>
constexpr const ProbeFamily& probeFamilyOf()
{
    constexpr const ProbeFamily* family = findProbeFamily(ProbeId);
    static_assert(family != nullptr, "no probe family has this id");
    return *family;
}
