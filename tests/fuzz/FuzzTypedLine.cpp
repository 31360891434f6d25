#include "FuzzSupport.h"

#include "protocol/NmeaSentence.h"
#include "protocol/TypedLine.h"

// Lines typed into the serial console one after the other, as UTF-8 text:
// what goes out is a valid sentence ending in CR LF, unless the device has
// been switched to raw text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    TypedLine typedLine;
    for (const QString& text : typed.split(QLatin1Char('\n'))) {
        QString out;
        const bool sent = typedLine.complete(text, out);
        require(sent != out.isEmpty());
        require(!sent || out.endsWith(QLatin1String("\r\n")));
        require(!sent || typedLine.isRaw() || NmeaSentence(out.chopped(2)).isValid());
    }
    return 0;
}
