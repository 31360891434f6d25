#include "model/MMSI.h"

void MMSI::reset()
{
    *this = MMSI();
}

bool MMSI::isUnset() const
{
    return m_text.isEmpty() || m_text == MMSI().m_text;
}
