#pragma once

#include "acquisition/familyrecorder.h"
#include "datasets/datasetspanwellgen2.h"

// Recorder of the Spanwell probe, second generation (id 3): as the Spanwell with its sensor at another place.
class DataRecorderSpanwellGen2 : public FamilyRecorder<DataSetSpanwellGen2>
{
public:
    static const RecorderFamily family;
    DataRecorderSpanwellGen2();
};
