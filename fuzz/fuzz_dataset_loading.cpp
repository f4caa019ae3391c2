// A dataset's two files as one input: the family (first byte), the metadata text up to the
// first NUL, then the value file. Loading either fails and leaves the dataset as it was, or
// gives exactly rows × columns values; a small loaded grid also builds its 3D terrain.
#include "datasets/familyclasses.h"
#include "datasets/datasetstore.h"
#include "fuzzenvironment.h"
#include "visualization/terrain.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {
using Maker = std::unique_ptr<FamilyDataset> (*)();

template <int ProbeId>
std::unique_ptr<FamilyDataset> make()
{
    return std::make_unique<DataSetOf<ProbeId>>();
}

constexpr Maker makers[] = {make<170>, make<10>, make<1>, make<11>, make<13>, make<2>, make<3>, make<21>};
// Building the terrain of a large grid takes seconds; the fuzzer needs many inputs a second.
constexpr std::size_t largestTerrainValues = 64 * 64;
const QString id = QStringLiteral("fuzzed");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    FuzzEnvironment::datasetFolder();
    const QByteArray input(reinterpret_cast<const char*>(data + 1), int(size - 1));
    FuzzEnvironment::writeFile(DatasetStore().path(id, DatasetFile::Metadata), FuzzEnvironment::beforeFirstNul(input));
    FuzzEnvironment::writeFile(DatasetStore().path(id, DatasetFile::Values), FuzzEnvironment::afterFirstNul(input));

    std::unique_ptr<FamilyDataset> dataset = makers[data[0] % std::size(makers)]();
    const QString newId = dataset->id();
    if (!dataset->load(id)) {
        if (dataset->id() != newId)
            std::abort();
        return 0;
    }
    const std::size_t rows = std::size_t(dataset->getProperty(QStringLiteral("rows")).toInt());
    const std::size_t columns = std::size_t(dataset->getProperty(QStringLiteral("columns")).toInt());
    const std::vector<int16_t> values = dataset->values();
    if (values.size() != rows * columns)
        std::abort();
    if (values.size() <= largestTerrainValues) {
        Terrain terrain(dataset.get());
        (void)terrain.buildTerrain();
    }
    return 0;
}
