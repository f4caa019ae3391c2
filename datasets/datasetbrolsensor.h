#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// Brol sensor, probe id 170: field entered by length, tracks of a fixed width.
class PropertiesBrolSensor : public FamilyProperties { public: PropertiesBrolSensor(); };
class DataSetBrolSensor : public FamilyDataset { public: DataSetBrolSensor(); };
