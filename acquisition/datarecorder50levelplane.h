#pragma once

#include "acquisition/familyrecorder.h"
#include "datasets/dataset50levelplane.h"

// Recorder of the 50 Levelplane probe (id 11): the mean of two sensors.
class DataRecorder50Levelplane : public FamilyRecorder<DataSet50Levelplane>
{
public:
    static const RecorderFamily family;
    DataRecorder50Levelplane();
};
