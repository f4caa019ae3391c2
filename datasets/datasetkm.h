#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// KM probe, probe id 10: field entered by length, tracks of a fixed width.
class PropertiesKM : public FamilyProperties { public: PropertiesKM(); };
class DataSetKM : public FamilyDataset { public: DataSetKM(); };
