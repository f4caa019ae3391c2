#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "datasets/dataset85plumbset.h"

using DataRecorder85Plumbset = FamilyRecorder<21>;
