#include "acquisition/devices/probefactory.h"

#include "acquisition/devices/probedescriptor.h"
#include "app/settingskeys.h"
#include "datasets/dataset.h"

#include <stdexcept>
#include <type_traits>
#include <utility>

namespace {
template <std::size_t Index>
using ProbeIdAt = std::integral_constant<int, probeFamilies[Index].probeId>;

// Gives what `make` builds for the family of `id`: make is called with the family's probe id
// as a compile-time constant, so that one walk over the family table serves every factory.
template <class Make, std::size_t... Index>
auto forFamily(int id, Make make, std::index_sequence<Index...>)
{
    decltype(make(ProbeIdAt<0>())) made = nullptr;
    const bool found = ((probeFamilies[Index].probeId == id && (made = make(ProbeIdAt<Index>()), true)) || ...);
    if (!found)
        throw std::runtime_error("Unknown Probe ID");
    return made;
}

template <class Make>
auto forFamily(int id, Make make)
{
    return forFamily(id, make, std::make_index_sequence<std::size(probeFamilies)>());
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
    return forFamily(id, [](auto probeId) { return newPrimedDataset<decltype(probeId)::value>(); });
}

bool isKnownProbe(int id)
{
    return findProbeFamily(id) != nullptr;
}
