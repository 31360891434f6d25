#include "FuzzSupport.h"

#include "ais/AisDecoder.h"

#include <QJsonObject>

// A stream of received lines through one decoder, so that fragments of
// multi-sentence messages meet whatever follows them. Every message is read
// as the Broadcasts view and the JSON output read it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    quietQt();
    AisDecoder decoder;
    for (const QByteArray& line : inputBytes(data, size).split('\n')) {
        const std::optional<AisMessage> message = decoder.Add(line);
        if (!message) {
            continue;
        }
        require(message->type >= 0 && message->type < 64);
        require(message->shipName.size() <= 142 && message->text.size() <= 161);
        AisDecoder::ShipTypeName(message->shipType);
        message->ToJson();
    }
    return 0;
}
