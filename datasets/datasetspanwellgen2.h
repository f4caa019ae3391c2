#pragma once

#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

// Second Spanwell generation (probe id 3); its files are those of the first, so each reads the other's.
class PropertiesSpanwellGen2 : public FamilyProperties
{
public:
    PropertiesSpanwellGen2();
};

class DataSetSpanwellGen2 : public FamilyDataset
{
public:
    DataSetSpanwellGen2();
};
