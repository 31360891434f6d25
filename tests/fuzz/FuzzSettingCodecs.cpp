#include "FuzzSupport.h"

#include "model/Model.h"
#include "protocol/EveryCodec.h"
#include "protocol/NmeaSentence.h"

// The first byte picks the codec that waits for a reply, as the transport
// hands each received line to the codec of the item it runs; the rest are
// the received lines. A codec that takes a line writes the model's value
// back, whatever the reply stored there, and nothing is taken from a
// sentence that fails its framing check. As in the program, one model and
// its codecs serve every input in turn.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Model model;
    static const auto codecs = everyCodec(model);
    if (size == 0) {
        return 0;
    }
    AISSentence& codec = *codecs.at(data[0] % codecs.size());
    for (const QString& line : deviceLines(data + 1, size - 1)) {
        const NmeaSentence sentence(line);
        const int result = codec.parseReply(sentence);
        require(result <= AISSentence::ResultStored);
        if (result == AISSentence::ResultStored) {
            require(sentence.isValid());
            codec.writeSentence();
        }
    }
    return 0;
}
