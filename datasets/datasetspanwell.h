#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// Spanwell probe, probe id 2, driven by the probe's own controls.
class PropertiesSpanwell : public FamilyProperties { public: PropertiesSpanwell(); };
class DataSetSpanwell : public FamilyDataset { public: DataSetSpanwell(); };
