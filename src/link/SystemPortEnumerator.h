#pragma once

#include "link/PortEnumerator.h"

// The serial ports the platform reports, with their USB ids where known.
class SystemPortEnumerator : public PortEnumerator {
public:
    QList<PortRecord> Ports() const override;
};
