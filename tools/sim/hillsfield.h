#pragma once

#include "datasets/familyclasses.h"

#include <memory>

// Rolling hills with a little noise, one value per row and track: the field "hills" that the
// 3D view's benchmarks, scripts/compare-vtk.sh and the picture comparisons draw.
std::unique_ptr<DataSetBrolSensor> hillsDataset(int tracks, int rows);
