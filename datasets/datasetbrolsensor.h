#pragma once

#include "datasets/familyclasses.h"

using PropertiesBrolSensor = PropertiesOf<170>;
using DataSetBrolSensor = DataSetOf<170>;
