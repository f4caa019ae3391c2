#pragma once

#include "acquisition/familyrecorder.h"
#include "datasets/dataset100levelplane.h"

// Recorder of the 100 Levelplane probe (id 13): the mean of four sensors.
class DataRecorder100Levelplane : public FamilyRecorder<DataSet100Levelplane>
{
public:
    static const RecorderFamily family;
    DataRecorder100Levelplane();
};
