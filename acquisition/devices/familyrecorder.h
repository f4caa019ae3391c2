#pragma once

#include "acquisition/devices/recorderbase.h"

#include <stdexcept>

// A recorder bound to its family's table and dataset class: it accepts no other dataset,
// because appendTrack belongs to the concrete class.
template <class DatasetClass, const RecorderFamily& Family>
class FamilyRecorder : public RecorderBase
{
public:
    static constexpr const RecorderFamily& family = Family;

    FamilyRecorder()
        : RecorderBase(Family)
    {
    }

    void setDataset(Dataset* d) override
    {
        if (!d) {
            typed = nullptr;
            attach(nullptr);
            return;
        }
        auto* own = dynamic_cast<DatasetClass*>(d);
        if (!own)
            throw std::runtime_error("wrong type of dataset");
        typed = own;
        attach(d);
    }

protected:
    void commitTrack(std::vector<std::int16_t> track) override { typed->appendTrack(std::move(track)); }

private:
    DatasetClass* typed = nullptr;
};
