#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "acquisition/devices/probedescriptor.h"
#include "datasets/familyclasses.h"

// The family class names: recorders and descriptors.
using DataRecorderBrolSensor = FamilyRecorder<170>;
using DataRecorderKM = FamilyRecorder<10>;
using DataRecorderZSeries = FamilyRecorder<1>;
using DataRecorder50Levelplane = FamilyRecorder<11>;
using DataRecorder100Levelplane = FamilyRecorder<13>;
using DataRecorderSpanwell = FamilyRecorder<2>;
using DataRecorderSpanwellGen2 = FamilyRecorder<3>;
using DataRecorder85Plumbset = FamilyRecorder<21>;
using ProbeInterfaceBrolSensor = ProbeDescriptor<170>;
using ProbeInterfaceZSeries = ProbeDescriptor<1>;
using ProbeInterfaceKM = ProbeDescriptor<10>;
using ProbeInterfaceSpanwell = ProbeDescriptor<2>;
using ProbeInterfaceSpanwellGen2 = ProbeDescriptor<3>;
using ProbeInterface50Levelplane = ProbeDescriptor<11>;
using ProbeInterface100Levelplane = ProbeDescriptor<13>;
using ProbeInterface85Plumbset = ProbeDescriptor<21>;
