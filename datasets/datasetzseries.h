#pragma once

#include "datasets/familyclasses.h"

using PropertiesZSeries = PropertiesOf<1>;
using DataSetZSeries = DataSetOf<1>;
