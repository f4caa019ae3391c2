#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetzseries.h"

using DataRecorderZSeries = FamilyRecorder<1>;
