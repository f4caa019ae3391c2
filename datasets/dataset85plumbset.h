#pragma once

#include "datasets/familyclasses.h"

using Properties85Plumbset = PropertiesOf<21>;
using DataSet85Plumbset = DataSetOf<21>;
