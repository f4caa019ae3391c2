#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetzseries.h"

// Recorder of the Z-Series probe (id 1): four sensors, or their difference while the probe drives the recording.
extern const RecorderFamily zSeriesRecorderFamily;

class DataRecorderZSeries : public FamilyRecorder<DataSetZSeries, zSeriesRecorderFamily>
{
};
