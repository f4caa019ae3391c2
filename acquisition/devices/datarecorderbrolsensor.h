#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetbrolsensor.h"

// Recorder of the Brol Sensor probe (id 170): the main sensor scaled to 16 bits times the magnetometer magnitude.
extern const RecorderFamily brolSensorRecorderFamily;

class DataRecorderBrolSensor : public FamilyRecorder<DataSetBrolSensor, brolSensorRecorderFamily>
{
};
