#include "recording/viewdatasetrules.h"

#include "datasets/dataset.h"

#include <exception>

namespace {
constexpr int zSeriesProbeId = 1;

template <typename Question>
bool askSafely(Dataset* dataset, Question question)
{
    if (!dataset)
        return false;
    try {
        return question(*dataset);
    } catch (const std::exception&) {
        return false;
    }
}
} // namespace

namespace ViewDatasetRules {

bool hasScalarValues(Dataset* dataset)
{
    return askSafely(dataset, [](Dataset& d) { return d.getProperty(QStringLiteral("scalar2")).toBool(); });
}

bool isZSeriesScalar(Dataset* dataset)
{
    return askSafely(dataset, [](Dataset& d) {
        return d.getProperty(QStringLiteral("scalar2")).toBool()
               && d.getProperty(QStringLiteral("probe id")).toInt() == zSeriesProbeId;
    });
}

bool sensorControlsOn(Dataset* dataset)
{
    return askSafely(dataset, [](Dataset& d) { return d.getProperty(QStringLiteral("sensor controls")).toBool(); });
}

} // namespace ViewDatasetRules
