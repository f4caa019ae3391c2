#pragma once

#include "acquisition/devices/probeinterface.h"
#include "app/settingskeys.h"

#include <memory>

// Fills a new dataset's field from the record settings the wizard wrote.
void primeDatasetFromSettings(Dataset& dataset);

// A probe family's descriptor: the three classes of the family and its display name.
template <class DataSetClass, class PropertiesClass, class RecorderClass>
class ProbeDescriptor : public ProbeInterface
{
public:
    using DataSetType = DataSetClass;

    explicit ProbeDescriptor(QString name)
        : name_(std::move(name))
        , properties_(std::make_unique<PropertiesClass>())
        , recorder_(std::make_unique<RecorderClass>())
    {
    }

    ~ProbeDescriptor() override
    {
        properties_.reset();
        recorder_.reset();
    }

    QString displayName() override { return name_; }
    DatasetProperties* properties() override { return properties_.get(); }
    DataRecorder* recorder() override { return recorder_.get(); }
    RecorderClass* familyRecorder() { return recorder_.get(); }

    Dataset* createDataset() override
    {
        auto dataset = std::make_unique<DataSetClass>();
        primeDatasetFromSettings(*dataset);
        return dataset.release();
    }

private:
    QString name_;
    std::unique_ptr<PropertiesClass> properties_;
    std::unique_ptr<RecorderClass> recorder_;
};
