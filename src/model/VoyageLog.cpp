#include "model/VoyageLog.h"

void VoyageLog::reset() { }
