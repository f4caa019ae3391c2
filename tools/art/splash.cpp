#include "artwork.h"

bool art::drawSplash(const QDir&) { return true; }
