#include "cXmodem1KSend.h"

#include <QFile>

namespace {

constexpr char STX = 0x02;
constexpr char EOT = 0x04;
constexpr int ACK = 0x06;
constexpr int NAK = 0x15;
constexpr char CAN = 0x18;
constexpr char Padding = 0x1A;
// The receiver's request for CRC mode, repeated until a first block arrives.
constexpr int CrcRequest = 'C';

constexpr int BlockSize = 1024;
// Output is paced in small pieces, each drained before the next, so that the
// transfer never runs ahead of the serial line.
constexpr int PieceSize = 16;
constexpr int TriesPerBlock = 2;
constexpr int CancelCount = 8;
// A receiver that has said nothing for this long has no more answers on the
// way.
constexpr int QuietMs = 150;

} // namespace

cXmodem1KSend::cXmodem1KSend(const QString& imagePath, cLinkFactory linkFactory, QObject* parent)
    : cStoppableThread(parent)
    , imagePath(imagePath)
    , linkFactory(std::move(linkFactory))
{
}

cXmodem1KSend::~cXmodem1KSend()
{
    stopAndWait();
}

void cXmodem1KSend::startTransfer(int ackTimeoutMs)
{
    wait();
    ackTimeout = ackTimeoutMs;
    progressValue = 0;
    resultValue = Running;
    start();
}

void cXmodem1KSend::run()
{
    // Published only after the port is closed again, so whoever sees the
    // outcome may use the port at once.
    resultValue = sendFile();
}

int cXmodem1KSend::sendFile()
{
    QFile file(imagePath);
    if (!file.open(QIODevice::ReadOnly)) {
        return FileError;
    }
    const qint64 size = file.size();
    if (size == 0) {
        return PortError;
    }
    const std::unique_ptr<cByteLink> link = linkFactory();
    if (!link->open(BaudRate, QIODevice::ReadWrite)) {
        return PortError;
    }
    link->discardInput();
    const int outcome = sendBlocks(*link, file, size);
    link->close();
    return outcome;
}

int cXmodem1KSend::sendBlocks(cByteLink& link, QFile& file, qint64 size)
{
    quint8 number = 1;
    qint64 accumulator = 0;
    qint64 acknowledgedBytes = 0;
    for (QByteArray data = file.read(BlockSize); !data.isEmpty(); data = file.read(BlockSize)) {
        data.append(BlockSize - data.size(), Padding);
        if (!deliver(link, number, data)) {
            cancel(link);
            return Cancelled;
        }
        ++number;
        acknowledgedBytes += BlockSize;
        accumulator += 100 * BlockSize;
        progressValue = static_cast<int>(qBound<qint64>(1, accumulator / size, 100));
    }
    endTransfer(link);
    if (acknowledgedBytes < size) {
        return FileError;
    }
    progressValue = 100;
    return Complete;
}

bool cXmodem1KSend::deliver(cByteLink& link, quint8 number, const QByteArray& data)
{
    for (int tries = 0; tries < TriesPerBlock && !stopping(); ++tries) {
        if (sendBlock(link, number, data) && acknowledged(link)) {
            if (tries > 0) {
                // The answer just read may be a late one to the first try;
                // the answer to this try would then still be on its way.
                awaitQuiet(link);
            }
            return true;
        }
    }
    return false;
}

bool cXmodem1KSend::sendBlock(cByteLink& link, quint8 number, const QByteArray& data)
{
    // Whatever waits now answered an earlier frame, e.g. a receiver's second
    // ACK; read as the answer to this one it would hide a NAK.
    link.discardInput();
    const char header[] = { STX, static_cast<char>(number), static_cast<char>(255 - number) };
    if (!sendBytes(link, QByteArray(header, sizeof header))) {
        return false;
    }
    for (int offset = 0; offset < data.size(); offset += PieceSize) {
        if (!sendBytes(link, data.mid(offset, PieceSize))) {
            return false;
        }
    }
    const quint16 crc = crc16(data);
    const char trailer[] = { static_cast<char>(crc >> 8), static_cast<char>(crc & 0xFF) };
    return sendBytes(link, QByteArray(trailer, sizeof trailer));
}

bool cXmodem1KSend::acknowledged(cByteLink& link)
{
    // A receiver keeps asking for CRC mode until its first block is in; such a
    // late request is no answer to the block and must not cost a try, or the
    // block goes out twice and every later answer is read against the wrong
    // block.
    const QDeadlineTimer deadline = answerDeadline();
    int answer = link.readByte(deadline);
    while (answer == CrcRequest) {
        answer = link.readByte(deadline);
    }
    return answer == ACK;
}

void cXmodem1KSend::endTransfer(cByteLink& link)
{
    // A receiver still talking would have its words read as the EOT's answer.
    if (link.readByte(QDeadlineTimer(0)) >= 0) {
        awaitQuiet(link);
    }
    sendBytes(link, QByteArray(1, EOT));
    if (link.readByte(answerDeadline()) == NAK) {
        sendBytes(link, QByteArray(1, EOT));
    }
}

void cXmodem1KSend::awaitQuiet(cByteLink& link)
{
    // Bounded, so that a receiver that never stops talking cannot hold the
    // transfer.
    const QDeadlineTimer limit = answerDeadline();
    while (!limit.hasExpired() && !stopping() && link.readByte(QDeadlineTimer(QuietMs)) >= 0) { }
}

void cXmodem1KSend::cancel(cByteLink& link)
{
    for (int i = 0; i < CancelCount; ++i) {
        sendBytes(link, QByteArray(1, CAN));
    }
}

bool cXmodem1KSend::sendBytes(cByteLink& link, const QByteArray& bytes)
{
    return link.send(bytes, answerDeadline());
}

QDeadlineTimer cXmodem1KSend::answerDeadline() const
{
    return QDeadlineTimer(ackTimeout);
}

quint16 cXmodem1KSend::crc16(const QByteArray& data)
{
    quint16 crc = 0;
    for (const char byte : data) {
        crc ^= static_cast<quint16>(static_cast<unsigned char>(byte) << 8);
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021) : static_cast<quint16>(crc << 1);
        }
    }
    return crc;
}
