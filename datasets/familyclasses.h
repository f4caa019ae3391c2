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

// A new, empty dataset of the family of `probeId`: the family's own class. Null for an id outside
// the catalogue.
std::unique_ptr<FamilyDataset> newFamilyDataset(int probeId);

// The family class names.
using PropertiesBrolSensor = PropertiesOf<170>;
using DataSetBrolSensor = DataSetOf<170>;
using PropertiesKM = PropertiesOf<10>;
using DataSetKM = DataSetOf<10>;
using PropertiesZSeries = PropertiesOf<1>;
using DataSetZSeries = DataSetOf<1>;
using Properties50Levelplane = PropertiesOf<11>;
using DataSet50Levelplane = DataSetOf<11>;
using Properties100Levelplane = PropertiesOf<13>;
using DataSet100Levelplane = DataSetOf<13>;
using PropertiesSpanwell = PropertiesOf<2>;
using DataSetSpanwell = DataSetOf<2>;
using PropertiesSpanwellGen2 = PropertiesOf<3>;
using DataSetSpanwellGen2 = DataSetOf<3>;
using Properties85Plumbset = PropertiesOf<21>;
using DataSet85Plumbset = DataSetOf<21>;
