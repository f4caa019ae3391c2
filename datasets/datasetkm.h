#pragma once

#include "datasets/familyclasses.h"

using PropertiesKM = PropertiesOf<10>;
using DataSetKM = DataSetOf<10>;
