#pragma once

#include "acquisition/datasetfamily.h"
#include "datasets/datasetproperties.h"

#include <QList>
#include <QString>
#include <QVariant>
#include <vector>

struct ProbeFamily;

enum class PropertyType { Int, Float, Bool };

// One property of a family: its key, type, whether setProperty may change it, and the
// value of a new dataset.
struct PropertyDefinition
{
    QString key;
    PropertyType type;
    bool settable;
    QVariant initial;
};

// The family's properties in descriptor order.
std::vector<PropertyDefinition> propertyDefinitionsOf(const ProbeFamily& family);

// The descriptor list of a field input mode, the ("field dimension input", mode) entry first.
QList<PropertyEntry> propertyEntries(FieldInput input);

QString typeName(PropertyType type);
// A value of the property's type: toInt, toFloat or toBool of `value`.
QVariant convertedTo(PropertyType type, const QVariant& value);
