#include "acquisition/devices/probefactory.h"

#include "acquisition/devices/probeinterfaces.h"
#include "datasets/dataset.h"

#include <memory>
#include <stdexcept>

namespace {
[[noreturn]] void unknownProbe()
{
    throw std::runtime_error("Unknown Probe ID");
}

// Builds what `make` gives for the family of `id`: make is called with a null pointer of the
// family's descriptor type, so one switch serves every factory.
template <class Make>
auto forFamily(int id, Make make)
{
    switch (id) {
    case 1: return make(static_cast<ProbeInterfaceZSeries*>(nullptr), "Sorvanel Z-Series");
    case 2: return make(static_cast<ProbeInterfaceSpanwell*>(nullptr), "Sorvanel Spanwell");
    case 3: return make(static_cast<ProbeInterfaceSpanwellGen2*>(nullptr), "Sorvanel Spanwell");
    case 10: return make(static_cast<ProbeInterfaceKM*>(nullptr), "Sorvanel KM");
    case 11: return make(static_cast<ProbeInterface50Levelplane*>(nullptr), "50 Levelplane Probe");
    case 13: return make(static_cast<ProbeInterface100Levelplane*>(nullptr), "100 Levelplane Probe");
    case 21: return make(static_cast<ProbeInterface85Plumbset*>(nullptr), "85 Plumbset Probe");
    case 170: return make(static_cast<ProbeInterfaceBrolSensor*>(nullptr), "Sorvanel Brol Sensor");
    default: unknownProbe();
    }
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
    return forFamily(id, [](auto* type, const char* name) -> ProbeInterface* {
        using Descriptor = std::remove_pointer_t<decltype(type)>;
        return new Descriptor(QString::fromLatin1(name));
    });
}

Dataset* createDatasetForProbe(int id)
{
    // The family's dataset is made directly: a whole descriptor would also start a recorder
    // with its sampling clock and audio output just to be thrown away.
    return forFamily(id, [](auto* type, const char*) -> Dataset* {
        using Descriptor = std::remove_pointer_t<decltype(type)>;
        auto dataset = std::make_unique<typename Descriptor::DataSetType>();
        primeDatasetFromSettings(*dataset);
        return dataset.release();
    });
}

bool isKnownProbe(int id)
{
    switch (id) {
    case 1: case 2: case 3: case 10: case 11: case 13: case 21: case 170: return true;
    default: return false;
    }
}
