#include "VncScreen.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QtEndian>

#include <cstring>
#include <functional>

namespace {

constexpr int VersionSize = 12;
constexpr int ServerInitSize = 24;
constexpr quint32 NoAuthentication = 1;
constexpr quint8 SetPixelFormat = 0;
constexpr quint8 SetEncodings = 2;
constexpr quint8 FramebufferUpdateRequest = 3;
constexpr quint8 PointerEvent = 5;
constexpr quint8 FramebufferUpdate = 0;
constexpr qint32 RawEncoding = 0;
constexpr int BytesPerPixel = 4;
// Lit pixels in a row that only a window's edge makes.
constexpr int WindowEdge = 200;

QByteArray message(const std::function<void(QDataStream&)>& write)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    write(stream);
    return bytes;
}

bool lit(QRgb pixel)
{
    return (pixel & 0xFFFFFF) != 0;
}

} // namespace

bool VncScreen::connectTo(quint16 port, int ms)
{
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(ms) || !read(VersionSize, ms).startsWith("RFB ")) {
        return false;
    }
    socket.write("RFB 003.003\n");
    if (qFromBigEndian<quint32>(read(4, ms).constData()) != NoAuthentication) {
        return false;
    }
    socket.write(QByteArray(1, '\1'));
    const QByteArray init = read(ServerInitSize, ms);
    if (init.size() != ServerInitSize) {
        return false;
    }
    size = QSize(qFromBigEndian<quint16>(init.constData()), qFromBigEndian<quint16>(init.constData() + 2));
    read(int(qFromBigEndian<quint32>(init.constData() + 20)), ms);
    // 32 bits a pixel, little-endian, red at bit 16: QImage::Format_RGB32
    // in memory. The server sends nothing until the client has set a format.
    socket.write(message([](QDataStream& out) {
        out << SetPixelFormat << quint8(0) << quint16(0);
        out << quint8(32) << quint8(24) << quint8(0) << quint8(1) << quint16(255) << quint16(255)
            << quint16(255) << quint8(16) << quint8(8) << quint8(0) << quint8(0) << quint16(0);
        out << SetEncodings << quint8(0) << quint16(1) << RawEncoding;
    }));
    return socket.waitForBytesWritten(ms);
}

QImage VncScreen::grab(int ms)
{
    socket.write(message([this](QDataStream& out) {
        out << FramebufferUpdateRequest << quint8(0) << quint16(0) << quint16(0) << quint16(size.width())
            << quint16(size.height());
    }));
    const QByteArray header = read(4, ms);
    if (header.size() != 4 || quint8(header.at(0)) != FramebufferUpdate) {
        return {};
    }
    QImage screen(size, QImage::Format_RGB32);
    screen.fill(Qt::black);
    for (int count = qFromBigEndian<quint16>(header.constData() + 2); count > 0; --count) {
        if (!readRectangle(&screen, ms)) {
            return {};
        }
    }
    return screen;
}

bool VncScreen::readRectangle(QImage* screen, int ms)
{
    const QByteArray header = read(12, ms);
    if (header.size() != 12 || qFromBigEndian<qint32>(header.constData() + 8) != RawEncoding) {
        return false;
    }
    const QRect area(qFromBigEndian<quint16>(header.constData()),
        qFromBigEndian<quint16>(header.constData() + 2), qFromBigEndian<quint16>(header.constData() + 4),
        qFromBigEndian<quint16>(header.constData() + 6));
    if (!screen->rect().contains(area)) {
        return false;
    }
    const int rowBytes = area.width() * BytesPerPixel;
    const QByteArray pixels = read(rowBytes * area.height(), ms);
    if (pixels.size() != rowBytes * area.height()) {
        return false;
    }
    for (int row = 0; row < area.height(); ++row) {
        memcpy(screen->scanLine(area.top() + row) + area.left() * BytesPerPixel,
            pixels.constData() + row * rowBytes, size_t(rowBytes));
    }
    return true;
}

void VncScreen::click(const QPoint& position)
{
    sendPointer(position, 0);
    sendPointer(position, 1);
    sendPointer(position, 0);
    socket.waitForBytesWritten(1000);
}

void VncScreen::sendPointer(const QPoint& position, quint8 buttons)
{
    socket.write(message([&](QDataStream& out) {
        out << PointerEvent << buttons << quint16(position.x()) << quint16(position.y());
    }));
}

bool VncScreen::findWindow(const QImage& screen, QPoint* topLeft)
{
    for (int y = 0; y < screen.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(screen.constScanLine(y));
        int run = 0;
        for (int x = 0; x < screen.width(); ++x) {
            run = lit(line[x]) ? run + 1 : 0;
            if (run == WindowEdge) {
                *topLeft = QPoint(x - run + 1, y);
                return true;
            }
        }
    }
    return false;
}

QByteArray VncScreen::read(int size, int ms)
{
    const QDeadlineTimer deadline(ms);
    QByteArray bytes;
    while (bytes.size() < size) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(deadline.remainingTime()))) {
            break;
        }
        bytes += socket.read(size - bytes.size());
    }
    return bytes;
}
