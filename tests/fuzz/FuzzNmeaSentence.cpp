#include "FuzzSupport.h"

#include "protocol/NmeaSentence.h"

// Any line through the framing check and every field reader, in and beyond
// the field range; the escaping must give back what it was given.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = deviceText(data, size);
    const NmeaSentence sentence(line);
    for (int index = -1; index <= sentence.fieldCount(); ++index) {
        QString text;
        QChar character;
        int number = 0;
        double real = 0.0;
        const bool present = sentence.fieldText(index, text);
        require(present == (index >= 0 && index < sentence.fieldCount()));
        require(!sentence.fieldChar(index, character) || present);
        require(!sentence.fieldHex(index, number) || present);
        require(!sentence.fieldInt(index, number) || present);
        require(!sentence.fieldDouble(index, real) || present);
    }
    require(!sentence.isValid() || sentence.fieldCount() > 0);
    require(NmeaSentence::unescape(NmeaSentence::escape(line)) == line);
    NmeaSentence::unescape(line);
    return 0;
}
