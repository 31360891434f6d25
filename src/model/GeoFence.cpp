#include "model/GeoFence.h"

void GeoFence::reset()
{
    m_corners.clear();
}
