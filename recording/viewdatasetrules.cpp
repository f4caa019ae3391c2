#include "recording/viewdatasetrules.h"

#include "datasets/dataset.h"

namespace {
constexpr int zSeriesProbeId = 1;

// A property the dataset lacks, or no dataset at all, reads as false (0).
QVariant propertyOf(Dataset* dataset, const char* key)
{
    if (!dataset)
        return false;
    return dataset->findProperty(QLatin1String(key)).value_or(false);
}
} // namespace

namespace ViewDatasetRules {

bool hasScalarValues(Dataset* dataset)
{
    return propertyOf(dataset, "scalar2").toBool();
}

bool isZSeriesScalar(Dataset* dataset)
{
    return propertyOf(dataset, "scalar2").toBool() && propertyOf(dataset, "probe id").toInt() == zSeriesProbeId;
}

bool sensorControlsOn(Dataset* dataset)
{
    return propertyOf(dataset, "sensor controls").toBool();
}

} // namespace ViewDatasetRules
