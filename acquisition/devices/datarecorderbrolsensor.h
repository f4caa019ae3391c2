#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/datasetbrolsensor.h"

using DataRecorderBrolSensor = FamilyRecorder<170>;
