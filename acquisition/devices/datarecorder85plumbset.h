#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset85plumbset.h"

// Recorder of the 85 Plumbset probe (id 21): read like the Spanwell.
extern const RecorderFamily plumbset85RecorderFamily;

class DataRecorder85Plumbset : public FamilyRecorder<DataSet85Plumbset, plumbset85RecorderFamily>
{
};
