#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// Second Spanwell generation, probe id 3; it shares the first's file header, so each reads the other's files.
class PropertiesSpanwellGen2 : public FamilyProperties { public: PropertiesSpanwellGen2(); };
class DataSetSpanwellGen2 : public FamilyDataset { public: DataSetSpanwellGen2(); };
