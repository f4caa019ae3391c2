#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset100levelplane.h"

using DataRecorder100Levelplane = FamilyRecorder<13>;
