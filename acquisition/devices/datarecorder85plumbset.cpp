#include "acquisition/devices/datarecorder85plumbset.h"

#include "acquisition/devices/datarecorderspanwell.h"

// The Plumbset speaks the Spanwell's messages under its own probe id.
const RecorderFamily plumbset85RecorderFamily = {
    21, 20, ShortMessageReport::WithLength, BatteryRule::ToleratesOne,
    SamplingGate::Trigger, RecorderControls::None, 10, decodeSpanwellFields};
