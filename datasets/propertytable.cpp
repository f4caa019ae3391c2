#include "datasets/propertytable.h"

#include "acquisition/probefamily.h"

std::vector<PropertyDefinition> propertyDefinitionsOf(const ProbeFamily& family)
{
    using T = PropertyType;
    const bool byLength = family.fieldInput == FieldInput::Length;
    std::vector<PropertyDefinition> definitions;
    definitions.push_back({QStringLiteral("probe id"), T::Int, false, family.probeId});
    if (byLength)
        definitions.push_back({QStringLiteral("track width"), T::Float, true, 0.9f});
    definitions.push_back({QStringLiteral("width"), byLength ? T::Float : T::Int, true,
                     byLength ? QVariant(0.0f) : QVariant(0)});
    for (const char* key : {"length", "rows", "columns", "sensor min", "sensor max"})
        definitions.push_back({QString::fromLatin1(key), T::Int, true, 0});
    definitions.push_back({QStringLiteral("number of sensors"), T::Int, true, family.numberOfSensors});
    definitions.push_back({QStringLiteral("start index"), T::Int, true, 0});
    definitions.push_back({QStringLiteral("parallel"), T::Bool, true, false});
    definitions.push_back({QStringLiteral("sensor controls"), T::Bool,
                     family.sensorControls == SensorControls::Settable,
                     family.sensorControls == SensorControls::On});
    definitions.push_back({QStringLiteral("scalar2"), T::Bool, false, true});
    for (const char* key : {"scale slider", "boundary slider", "grid transluency slider", "occlude grid"})
        definitions.push_back({QString::fromLatin1(key), T::Int, true, 0});
    return definitions;
}

QList<PropertyEntry> propertyEntries(FieldInput input)
{
    // The keys and types depend on the field input only, not on the family's values.
    ProbeFamily sample{};
    sample.fieldInput = input;
    QList<PropertyEntry> entries{{QStringLiteral("field dimension input"),
                                  input == FieldInput::Length ? QStringLiteral("length") : QString()}};
    for (const PropertyDefinition& definition : propertyDefinitionsOf(sample))
        entries.append({definition.key, typeName(definition.type)});
    return entries;
}

QString typeName(PropertyType type)
{
    switch (type) {
    case PropertyType::Int:
        return QStringLiteral("int");
    case PropertyType::Float:
        return QStringLiteral("float");
    case PropertyType::Bool:
        return QStringLiteral("bool");
    }
    return {};
}

QVariant convertedTo(PropertyType type, const QVariant& value)
{
    switch (type) {
    case PropertyType::Int:
        return value.toInt();
    case PropertyType::Float:
        return value.toFloat();
    case PropertyType::Bool:
        return value.toBool();
    }
    return {};
}
