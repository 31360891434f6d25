#pragma once

#include "cByteLink.h"

#include <QSerialPort>

// A serial port with the Identifier's framing: 8 data bits, no parity, one
// stop bit, no flow control. Each open chooses its own rate and direction.
class cSerialLink : public cByteLink {
public:
    explicit cSerialLink(const QString& portName);

    bool open(qint32 baudRate, QIODevice::OpenMode mode) override;
    void close() override;
    bool send(const QByteArray& bytes, QDeadlineTimer deadline) override;
    int readByte(QDeadlineTimer deadline) override;
    void discardInput() override;

    // A factory for workers, each of which makes its own port in its thread.
    static cLinkFactory factory(const QString& portName);

private:
    QSerialPort port;
};
