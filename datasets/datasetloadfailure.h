#pragma once

#include "app/messagetext.h"

// What the user is told when a dataset's files cannot be loaded (Dataset::load failed).
MessageText datasetLoadFailure();
