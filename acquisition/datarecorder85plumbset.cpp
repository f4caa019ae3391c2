#include "acquisition/datarecorder85plumbset.h"

#include "acquisition/datarecorderspanwell.h"

// The Plumbset speaks the Spanwell's messages under its own probe id.
const RecorderFamily DataRecorder85Plumbset::family = {
    21, 20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne,
    SamplingGate::Trigger, RecorderControls::None, 10, decodeSpanwellFields};

DataRecorder85Plumbset::DataRecorder85Plumbset()
    : FamilyRecorder(family)
{
}
