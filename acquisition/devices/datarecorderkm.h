#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetkm.h"

// Recorder of the KM probe (id 10): one sensor, its 24-bit reading scaled to 16 bits.
extern const RecorderFamily kmRecorderFamily;

class DataRecorderKM : public FamilyRecorder<DataSetKM, kmRecorderFamily>
{
};
