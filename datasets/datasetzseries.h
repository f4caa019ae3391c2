#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// Z-Series probe, probe id 1; its recorder decides whether the probe's own controls drive it.
class PropertiesZSeries : public FamilyProperties { public: PropertiesZSeries(); };
class DataSetZSeries : public FamilyDataset { public: DataSetZSeries(); };
