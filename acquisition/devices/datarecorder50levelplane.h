#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset50levelplane.h"

// Recorder of the 50 Levelplane probe (id 11): the mean of two sensors.
extern const RecorderFamily levelplane50RecorderFamily;

class DataRecorder50Levelplane : public FamilyRecorder<DataSet50Levelplane, levelplane50RecorderFamily>
{
};
