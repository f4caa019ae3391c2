#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetspanwell.h"

using DataRecorderSpanwell = FamilyRecorder<2>;
