#include "model/Diagnostics.h"

void Diagnostics::reset()
{
    *this = Diagnostics();
}
