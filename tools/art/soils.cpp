#include "artwork.h"

bool art::drawSoils(const QDir&) { return true; }
