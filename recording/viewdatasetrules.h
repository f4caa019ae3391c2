#pragma once

class Dataset;

// Which datasets the live views can show, asked without letting an exception escape: any
// std::exception while asking counts as "no".
namespace ViewDatasetRules {

// The dataset's "scalar2" is true.
bool hasScalarValues(Dataset* dataset);
// "scalar2" is true and the dataset comes from the Z-Series family.
bool isZSeriesScalar(Dataset* dataset);
// The dataset's "sensor controls" is true.
bool sensorControlsOn(Dataset* dataset);

} // namespace ViewDatasetRules
