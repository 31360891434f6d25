#pragma once

#include "cByteLink.h"
#include "cStoppableThread.h"

#include <QString>

#include <atomic>

class QFile;

// Sends the firmware image to the boot loader with XMODEM-1K (1024-byte
// blocks, CRC-16) in its own thread. The boot loader has already asked for
// CRC mode when a transfer starts, so block 1 goes out at once. The wizard
// polls progress() and result() while the thread runs.
class cXmodem1KSend : public cStoppableThread {
public:
    enum Result {
        PortError = 0,
        FileError = 1,
        Cancelled = 2,
        Running = 3,
        Complete = 4,
    };

    static constexpr qint32 BaudRate = 115200;

    cXmodem1KSend(const QString& imagePath, cLinkFactory linkFactory, QObject* parent = nullptr);
    ~cXmodem1KSend() override;

    // Runs a new transfer from the first block; ackTimeoutMs bounds the wait
    // for each answer. result() reads Running from here on.
    void startTransfer(int ackTimeoutMs);

    // Percent of the file acknowledged, 0 to 100.
    int progress() const { return progressValue; }
    int result() const { return resultValue; }

    static quint16 crc16(const QByteArray& data);

protected:
    void run() override;

private:
    int sendFile();
    int sendBlocks(cByteLink& link, QFile& file, qint64 size);
    bool deliver(cByteLink& link, quint8 number, const QByteArray& data);
    bool sendBlock(cByteLink& link, quint8 number, const QByteArray& data);
    bool acknowledged(cByteLink& link);
    void endTransfer(cByteLink& link);
    // Reads and drops bytes until the receiver has been quiet for a while.
    void awaitQuiet(cByteLink& link);
    void cancel(cByteLink& link);
    bool sendBytes(cByteLink& link, const QByteArray& bytes);
    QDeadlineTimer answerDeadline() const;

    const QString imagePath;
    const cLinkFactory linkFactory;
    int ackTimeout = 3000;
    std::atomic<int> progressValue { 0 };
    std::atomic<int> resultValue { Running };
};
