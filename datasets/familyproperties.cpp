#include "datasets/familyproperties.h"

#include "datasets/propertytable.h"

FamilyProperties::FamilyProperties(FieldInput input)
    : entries(propertyEntries(input))
{
}

QList<PropertyEntry> FamilyProperties::allEntries() const
{
    return entries;
}

QList<PropertyEntry> FamilyProperties::propertyList() const
{
    return entries.mid(1);
}

QList<PropertyEntry> FamilyProperties::fieldDimensionInput() const
{
    return entries.mid(0, 1);
}
