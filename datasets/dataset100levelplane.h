#pragma once

#include "datasets/familyclasses.h"

using Properties100Levelplane = PropertiesOf<13>;
using DataSet100Levelplane = DataSetOf<13>;
