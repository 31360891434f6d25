#include "model/Alerts.h"

void Alerts::reset()
{
    *this = Alerts();
}
