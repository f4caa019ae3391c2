#include "datasets/familyclasses.h"

#include "acquisition/familydispatch.h"

std::unique_ptr<FamilyDataset> newFamilyDataset(int probeId)
{
    return forProbeFamily(probeId, [](auto id) -> std::unique_ptr<FamilyDataset> {
        return std::make_unique<DataSetOf<decltype(id)::value>>();
    });
}
