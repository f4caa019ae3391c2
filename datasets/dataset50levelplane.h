#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// 50 Levelplane probe, probe id 11.
class Properties50Levelplane : public FamilyProperties { public: Properties50Levelplane(); };
class DataSet50Levelplane : public FamilyDataset { public: DataSet50Levelplane(); };
