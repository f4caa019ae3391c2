#pragma once

#include "acquisition/familyrecorder.h"
#include "datasets/dataset85plumbset.h"

// Recorder of the 85 Plumbset probe (id 21): read like the Spanwell.
class DataRecorder85Plumbset : public FamilyRecorder<DataSet85Plumbset>
{
public:
    static const RecorderFamily family;
    DataRecorder85Plumbset();
};
