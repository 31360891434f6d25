#include "model/GeoBoundary.h"

void GeoBoundary::reset() { }
