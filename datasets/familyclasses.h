#pragma once

#include "acquisition/probefamily.h"
#include "datasets/familydataset.h"
#include "datasets/familyproperties.h"

#include <memory>

// The property list and dataset classes of the family with probe id ProbeId. Each family's
// dataset is a type of its own, so that a recorder can refuse the other families' datasets.
template <int ProbeId>
class PropertiesOf : public FamilyProperties
{
public:
    PropertiesOf()
        : FamilyProperties(probeFamilyOf<ProbeId>().fieldInput)
    {
    }
};

template <int ProbeId>
class DataSetOf : public FamilyDataset
{
public:
    DataSetOf()
        : FamilyDataset(probeFamilyOf<ProbeId>(), std::make_unique<PropertiesOf<ProbeId>>())
    {
    }
};
