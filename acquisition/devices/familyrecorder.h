#pragma once

#include "acquisition/devices/recorderbase.h"
#include "datasets/familyclasses.h"

#include <stdexcept>

// The recorder of the family with probe id ProbeId: it accepts no other family's dataset,
// because appendTrack belongs to the concrete class.
template <int ProbeId>
class FamilyRecorder : public RecorderBase
{
public:
    FamilyRecorder()
        : RecorderBase(probeFamilyOf<ProbeId>())
    {
    }

    void setDataset(Dataset* d) override
    {
        if (!d) {
            typed = nullptr;
            attach(nullptr);
            return;
        }
        auto* own = dynamic_cast<DataSetOf<ProbeId>*>(d);
        if (!own)
            throw std::runtime_error("wrong type of dataset");
        typed = own;
        attach(d);
    }

protected:
    void commitTrack(std::vector<std::int16_t> track) override { typed->appendTrack(std::move(track)); }

private:
    DataSetOf<ProbeId>* typed = nullptr;
};
