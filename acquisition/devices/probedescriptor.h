#pragma once

#include "acquisition/devices/familyrecorder.h"
#include "acquisition/devices/probeinterface.h"

#include <memory>

// Fills a new dataset's field from the record settings the wizard wrote.
void primeDatasetFromSettings(Dataset& dataset);

// A new, empty dataset of the family with probe id ProbeId, primed from the record settings.
template <int ProbeId>
Dataset* newPrimedDataset()
{
    auto dataset = std::make_unique<DataSetOf<ProbeId>>();
    primeDatasetFromSettings(*dataset);
    return dataset.release();
}

// The descriptor of the family with probe id ProbeId: its property list and recorder, and its
// name from the family table.
template <int ProbeId>
class ProbeDescriptor : public ProbeInterface
{
public:
    ProbeDescriptor()
        : properties_(std::make_unique<PropertiesOf<ProbeId>>())
        , recorder_(std::make_unique<FamilyRecorder<ProbeId>>())
    {
    }

    ~ProbeDescriptor() override
    {
        properties_.reset();
        recorder_.reset();
    }

    QString displayName() override { return QString::fromLatin1(probeFamilyOf<ProbeId>().displayName); }
    DatasetProperties* properties() override { return properties_.get(); }
    DataRecorder* recorder() override { return recorder_.get(); }
    Dataset* createDataset() override { return newPrimedDataset<ProbeId>(); }

private:
    std::unique_ptr<PropertiesOf<ProbeId>> properties_;
    std::unique_ptr<FamilyRecorder<ProbeId>> recorder_;
};
