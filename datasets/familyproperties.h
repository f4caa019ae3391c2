#pragma once

#include "acquisition/datasetfamily.h"
#include "datasets/datasetproperties.h"

// A descriptor list made from a field input mode; the family classes only choose the mode.
class FamilyProperties : public DatasetProperties
{
public:
    explicit FamilyProperties(FieldInput input);

    QList<PropertyEntry> allEntries() const override;
    QList<PropertyEntry> propertyList() const override;
    QList<PropertyEntry> fieldDimensionInput() const override;

private:
    QList<PropertyEntry> entries;
};
