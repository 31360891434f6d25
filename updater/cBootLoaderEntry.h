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
    // Sends no reset, for a device known to wait in its boot loader: its
    // next request starts the transfer.
    void skipReset() { sendsReset = false; }
    // Only tells whether a device that does not answer at its normal rate is
    // waiting in its boot loader, without resetting one that is not: such a
    // boot loader repeats its request and sends nothing else, while a running
    // device heard at the wrong rate sends bytes that may include a "C".
    void recogniseOnly()
    {
        sendsReset = false;
        recognising = true;
    }

    // The shell command that restarts the device into its boot loader.
    static QByteArray resetSentence();

protected:
    void run() override;

private:
    void sendReset(cByteLink& link);
    bool listen(cByteLink& link);
    bool recogniseWaiting(cByteLink& link);

    const cLinkFactory linkFactory;
    const qint32 normalBaudRate;
    const cUpdateTiming timing;
    std::atomic<bool> heard { false };
    bool sendsReset = true;
    bool recognising = false;
};
