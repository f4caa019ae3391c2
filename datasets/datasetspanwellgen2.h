#pragma once

#include "datasets/familyclasses.h"

using PropertiesSpanwellGen2 = PropertiesOf<3>;
using DataSetSpanwellGen2 = DataSetOf<3>;
