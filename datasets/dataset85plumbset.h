#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// 85 Plumbset probe, probe id 21, driven by the probe's own controls.
class Properties85Plumbset : public FamilyProperties { public: Properties85Plumbset(); };
class DataSet85Plumbset : public FamilyDataset { public: DataSet85Plumbset(); };
