#pragma once

#include "datasets/familyclasses.h"

using Properties50Levelplane = PropertiesOf<11>;
using DataSet50Levelplane = DataSetOf<11>;
