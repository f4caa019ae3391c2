#pragma once

#include "acquisition/devices/datarecorder100levelplane.h"
#include "acquisition/devices/datarecorder50levelplane.h"
#include "acquisition/devices/datarecorder85plumbset.h"
#include "acquisition/devices/datarecorderbrolsensor.h"
#include "acquisition/devices/datarecorderkm.h"
#include "acquisition/devices/datarecorderspanwell.h"
#include "acquisition/devices/datarecorderspanwellgen2.h"
#include "acquisition/devices/datarecorderzseries.h"
#include "acquisition/devices/probedescriptor.h"

// The descriptors of the eight probe families.
using ProbeInterfaceBrolSensor = ProbeDescriptor<170>;
using ProbeInterfaceZSeries = ProbeDescriptor<1>;
using ProbeInterfaceKM = ProbeDescriptor<10>;
using ProbeInterfaceSpanwell = ProbeDescriptor<2>;
using ProbeInterfaceSpanwellGen2 = ProbeDescriptor<3>;
using ProbeInterface50Levelplane = ProbeDescriptor<11>;
using ProbeInterface100Levelplane = ProbeDescriptor<13>;
using ProbeInterface85Plumbset = ProbeDescriptor<21>;
