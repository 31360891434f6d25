#pragma once

#include "cByteLink.h"

// Base of the tests' scripted peers: what the peer answers is queued in
// pending and read in order. Time is virtual: a read with nothing queued is
// silence at once, however long the deadline.
class QueuedLink : public cByteLink {
public:
    void close() override { }
    int readByte(QDeadlineTimer) override
    {
        if (pending.isEmpty()) {
            return -1;
        }
        const int byte = static_cast<unsigned char>(pending.at(0));
        pending.remove(0, 1);
        return byte;
    }
    void discardInput() override { pending.clear(); }

protected:
    QByteArray pending;
};
