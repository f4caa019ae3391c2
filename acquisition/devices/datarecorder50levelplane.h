#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset50levelplane.h"

using DataRecorder50Levelplane = FamilyRecorder<11>;
