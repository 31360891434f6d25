#include "model/MMSI.h"

void MMSI::reset()
{
    *this = MMSI();
}

bool MMSI::isInRange() const
{
    const qulonglong first = 100000000;
    const qulonglong last = 999999999;
    const qulonglong number = m_text.toULongLong();
    return number >= first && number <= last;
}

bool MMSI::isUnset() const
{
    return m_text.isEmpty() || m_text == MMSI().m_text;
}
