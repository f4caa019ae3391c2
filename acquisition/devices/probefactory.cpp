#include "acquisition/devices/probefactory.h"

#include "acquisition/devices/probedescriptor.h"
#include "acquisition/familydispatch.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"
#include "datasets/familyclasses.h"

#include <stdexcept>

namespace {
template <class Make>
auto forFamily(int id, Make make)
{
    auto made = forProbeFamily(id, make);
    if (!made)
        throw std::runtime_error("Unknown Probe ID");
    return made;
}
} // namespace

void primeDatasetFromSettings(Dataset& dataset)
{
    dataset.setProperty(QStringLiteral("width"), Settings::recordWidth.read().toInt());
    dataset.setProperty(QStringLiteral("length"), Settings::recordLength.read().toInt());
    dataset.setProperty(QStringLiteral("start index"), Settings::recordCorner.read().toInt());
    dataset.setProperty(QStringLiteral("parallel"), Settings::recordParallel.read().toBool());
}

ProbeInterface* createProbeInterface(int id)
{
    return forFamily(id, [](auto probeId) -> ProbeInterface* {
        return new ProbeDescriptor<decltype(probeId)::value>;
    });
}

Dataset* createDatasetForProbe(int id)
{
    // The family's dataset is made directly: a whole descriptor would also start a recorder
    // with its sampling clock and audio output just to be thrown away.
    std::unique_ptr<FamilyDataset> dataset = newFamilyDataset(id);
    if (!dataset)
        throw std::runtime_error("Unknown Probe ID");
    primeDatasetFromSettings(*dataset);
    return dataset.release();
}

bool isKnownProbe(int id)
{
    return findProbeFamily(id) != nullptr;
}
