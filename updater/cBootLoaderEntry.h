#pragma once

#include "UpdateTiming.h"
#include "cByteLink.h"
#include "cStoppableThread.h"

#include <atomic>

// One attempt to bring the Identifier into its boot loader: the reset command
// at the device's normal rate, then listening at the boot loader's rate for
// its "C", the request that starts an XMODEM-1K transfer.
class cBootLoaderEntry : public cStoppableThread {
public:
    cBootLoaderEntry(cLinkFactory linkFactory, qint32 normalBaudRate, const cUpdateTiming& timing,
        QObject* parent = nullptr);
    ~cBootLoaderEntry() override;

    // Whether the last attempt heard the boot loader.
    bool connected() const { return heard; }
    // Only listens: asks whether a device that does not answer at its normal
    // rate is waiting in its boot loader, without resetting one that is not.
    void skipReset() { sendsReset = false; }

    // The shell command that restarts the device into its boot loader.
    static QByteArray resetSentence();

protected:
    void run() override;

private:
    void sendReset(cByteLink& link);
    bool listen(cByteLink& link);

    const cLinkFactory linkFactory;
    const qint32 normalBaudRate;
    const cUpdateTiming timing;
    std::atomic<bool> heard { false };
    bool sendsReset = true;
};
