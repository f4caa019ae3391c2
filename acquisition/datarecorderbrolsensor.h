#pragma once

#include "acquisition/familyrecorder.h"
#include "datasets/datasetbrolsensor.h"

// Recorder of the Brol Sensor probe (id 170): the main sensor scaled to 16 bits times the magnetometer magnitude.
class DataRecorderBrolSensor : public FamilyRecorder<DataSetBrolSensor>
{
public:
    static const RecorderFamily family;
    DataRecorderBrolSensor();
};
