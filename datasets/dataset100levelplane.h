#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// 100 Levelplane probe, probe id 13.
class Properties100Levelplane : public FamilyProperties { public: Properties100Levelplane(); };
class DataSet100Levelplane : public FamilyDataset { public: DataSet100Levelplane(); };
