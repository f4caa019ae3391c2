#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset100levelplane.h"

// Recorder of the 100 Levelplane probe (id 13): the mean of four sensors.
extern const RecorderFamily levelplane100RecorderFamily;

class DataRecorder100Levelplane : public FamilyRecorder<DataSet100Levelplane, levelplane100RecorderFamily>
{
};
