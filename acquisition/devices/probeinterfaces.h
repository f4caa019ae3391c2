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
using ProbeInterfaceBrolSensor = ProbeDescriptor<DataSetBrolSensor, PropertiesBrolSensor, DataRecorderBrolSensor>;
using ProbeInterfaceZSeries = ProbeDescriptor<DataSetZSeries, PropertiesZSeries, DataRecorderZSeries>;
using ProbeInterfaceKM = ProbeDescriptor<DataSetKM, PropertiesKM, DataRecorderKM>;
using ProbeInterfaceSpanwell = ProbeDescriptor<DataSetSpanwell, PropertiesSpanwell, DataRecorderSpanwell>;
using ProbeInterfaceSpanwellGen2 =
    ProbeDescriptor<DataSetSpanwellGen2, PropertiesSpanwellGen2, DataRecorderSpanwellGen2>;
using ProbeInterface50Levelplane =
    ProbeDescriptor<DataSet50Levelplane, Properties50Levelplane, DataRecorder50Levelplane>;
using ProbeInterface100Levelplane =
    ProbeDescriptor<DataSet100Levelplane, Properties100Levelplane, DataRecorder100Levelplane>;
using ProbeInterface85Plumbset = ProbeDescriptor<DataSet85Plumbset, Properties85Plumbset, DataRecorder85Plumbset>;
