#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetspanwellgen2.h"

using DataRecorderSpanwellGen2 = FamilyRecorder<3>;
