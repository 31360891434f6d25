#include "cByteLink.h"

bool cByteLink::sendEachByte(const QByteArray& bytes, QDeadlineTimer deadline)
{
    for (const char byte : bytes) {
        if (!send(QByteArray(1, byte), deadline)) {
            return false;
        }
    }
    return true;
}

QByteArray cByteLink::readLine(int maxLength, QDeadlineTimer deadline)
{
    QByteArray line;
    while (line.size() < maxLength && !line.endsWith('\n')) {
        const int byte = readByte(deadline);
        if (byte < 0) {
            break;
        }
        line.append(static_cast<char>(byte));
    }
    return line;
}
