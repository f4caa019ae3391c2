#include "artwork.h"

bool art::drawColormaps(const QDir&) { return true; }
