#include "FuzzSupport.h"

#include "link/LineAssembler.h"

#include <QBuffer>

namespace {

// The serial controller's read: at most a line of 255 characters.
constexpr int pieceLength = 255;

} // namespace

// Bytes arriving in chunks of any size, read from the port's buffer and
// joined into lines as the serial controller does. The first byte says
// whether a saved file is being replayed; then each chunk is a length byte
// and that many bytes.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool replaying = data[0] & 1;
    QByteArray arrived;
    QBuffer port(&arrived);
    port.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    LineAssembler assembler;
    size_t at = 1;
    while (at < size) {
        const size_t chunk = std::min<size_t>(data[at], size - at - 1);
        arrived.append(reinterpret_cast<const char*>(data + at + 1), static_cast<int>(chunk));
        at += chunk + 1;
        char buffer[pieceLength + 1];
        for (qint64 length = port.readLine(buffer, sizeof buffer); length > 0;
             length = port.readLine(buffer, sizeof buffer)) {
            const LineAssembler::Result result
                = assembler.take(QString::fromLatin1(buffer, int(length)), replaying);
            require(result.kind != LineAssembler::Kind::Sent || replaying);
            if (result.kind == LineAssembler::Kind::Line) {
                require(result.text.endsWith(QLatin1Char('\n')));
                require(!result.text.contains(QLatin1Char('\r')));
                require(result.text.size() <= LineAssembler::MaxLineLength);
            }
        }
    }
    return 0;
}
