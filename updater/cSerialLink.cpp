#include "cSerialLink.h"

namespace {

int remainingMs(const QDeadlineTimer& deadline)
{
    return static_cast<int>(deadline.remainingTime());
}

} // namespace

cSerialLink::cSerialLink(const QString& portName)
{
    port.setPortName(portName);
}

bool cSerialLink::open(qint32 baudRate, QIODevice::OpenMode mode)
{
    port.setBaudRate(baudRate);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(mode)) {
        return false;
    }
    // USB serial devices may hold back their output until DTR is raised;
    // pseudo-terminals have no such line and refuse it, which is harmless.
    port.setDataTerminalReady(true);
    port.clearError();
    return true;
}

void cSerialLink::close()
{
    port.close();
}

bool cSerialLink::send(const QByteArray& bytes, QDeadlineTimer deadline)
{
    if (port.write(bytes) != bytes.size()) {
        return false;
    }
    while (port.bytesToWrite() > 0) {
        if (!port.waitForBytesWritten(remainingMs(deadline))) {
            return false;
        }
    }
    return true;
}

int cSerialLink::readByte(QDeadlineTimer deadline)
{
    while (port.bytesAvailable() == 0) {
        if (!port.waitForReadyRead(remainingMs(deadline))) {
            return -1;
        }
    }
    char byte = 0;
    return port.getChar(&byte) ? static_cast<unsigned char>(byte) : -1;
}

void cSerialLink::discardInput()
{
    port.clear(QSerialPort::Input);
}

cLinkFactory cSerialLink::factory(const QString& portName)
{
    return [portName] { return std::make_unique<cSerialLink>(portName); };
}
