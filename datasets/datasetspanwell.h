#pragma once

#include "datasets/familyclasses.h"

using PropertiesSpanwell = PropertiesOf<2>;
using DataSetSpanwell = DataSetOf<2>;
