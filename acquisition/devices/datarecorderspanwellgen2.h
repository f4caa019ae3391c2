#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetspanwellgen2.h"

// Recorder of the Spanwell probe, second generation (id 3): as the Spanwell with its sensor at another place.
extern const RecorderFamily spanwellGen2RecorderFamily;

class DataRecorderSpanwellGen2 : public FamilyRecorder<DataSetSpanwellGen2, spanwellGen2RecorderFamily>
{
};
