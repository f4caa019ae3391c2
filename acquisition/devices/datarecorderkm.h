#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetkm.h"

using DataRecorderKM = FamilyRecorder<10>;
