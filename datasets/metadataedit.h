#pragma once

#include "datasets/datasetrecord.h"

// Stores an edited record's name, location and coordinate in its dataset's metadata file
// (indented JSON), keeping every other member. The file is replaced only once the new one is
// complete. False when the file cannot be read as a JSON object or cannot be written; the
// file then stays as it was.
bool storeEditedRecord(const DatasetRecord& record);
