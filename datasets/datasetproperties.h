#pragma once

#include <QList>
#include <QString>

// One entry of a family's property list: the key and its type name ("int", "float", "bool").
struct PropertyEntry
{
    QString key;
    QString type;
};

inline bool operator==(const PropertyEntry& a, const PropertyEntry& b)
{
    return a.key == b.key && a.type == b.type;
}

// A probe family's property descriptor list. Its first entry is not a property but the pair
// ("field dimension input", mode) that tells the recording wizard how the field is entered:
// mode "length" or empty.
class DatasetProperties
{
public:
    virtual ~DatasetProperties() = default;

    // The whole list, the "field dimension input" entry first.
    virtual QList<PropertyEntry> allEntries() const = 0;
    // The properties in order, without the first entry.
    virtual QList<PropertyEntry> propertyList() const = 0;
    // A list holding only the first entry.
    virtual QList<PropertyEntry> fieldDimensionInput() const = 0;
};
