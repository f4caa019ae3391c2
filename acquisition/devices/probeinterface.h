#pragma once

#include <QString>

class DataRecorder;
class Dataset;
class DatasetProperties;

// The descriptor of a probe family: its name, property list, live recorder and datasets.
class ProbeInterface
{
public:
    virtual QString displayName() = 0;
    // Owned by the descriptor.
    virtual DatasetProperties* properties() = 0;
    // Owned by the descriptor; null if the family has none.
    virtual DataRecorder* recorder() = 0;
    // A new, empty dataset of the family, primed from the record settings; the caller owns it.
    virtual Dataset* createDataset() = 0;
    // Descriptors are released through this interface, with both owned members.
    virtual ~ProbeInterface() = default;
};
