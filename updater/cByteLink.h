#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QIODevice>

#include <functional>
#include <memory>

// The byte stream the updater's workers talk over: a serial port in the
// program, a scripted peer in tests. An object is created, used and destroyed
// by one thread only, which is why workers receive a factory, not a link.
class cByteLink {
public:
    virtual ~cByteLink() = default;

    virtual bool open(qint32 baudRate, QIODevice::OpenMode mode) = 0;
    virtual void close() = 0;
    // Writes the bytes and waits until they have left; false when the write
    // fails or the bytes have not left by the deadline.
    virtual bool send(const QByteArray& bytes, QDeadlineTimer deadline) = 0;
    // The next received byte (0 to 255), or -1 when none arrives in time.
    virtual int readByte(QDeadlineTimer deadline) = 0;
    // Drops everything received and not yet read.
    virtual void discardInput() = 0;

    // Writes one byte at a time, each leaving before the next is written, for
    // receivers that read slowly; false as soon as a byte fails.
    bool sendEachByte(const QByteArray& bytes, QDeadlineTimer deadline);
    // Up to maxLength bytes, through the first line feed; empty when nothing
    // arrives in time.
    QByteArray readLine(int maxLength, QDeadlineTimer deadline);
};

using cLinkFactory = std::function<std::unique_ptr<cByteLink>()>;
