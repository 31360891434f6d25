#pragma once

#include <QString>
#include <QtGlobal>

// The bits of an AIS payload in its six-bit armour, read in place. Bits past
// the end of the payload read as zero, so no field can read outside it.
class AisBits {
public:
    // The characters must be valid armour ('0' to 'W', '`' to 'w'); fill is the
    // number of unused bits in the last character.
    AisBits(const char* payload, int characters, int fill);

    int size() const { return m_bits; }
    quint32 unsignedAt(int start, int width) const;
    qint32 signedAt(int start, int width) const;
    bool flagAt(int start) const { return unsignedAt(start, 1) != 0; }
    // Six-bit text up to its first '@', which pads it, without trailing spaces.
    QString textAt(int start, int characters) const;

private:
    int sixBitsAt(int index) const;

    const char* m_payload;
    int m_characters;
    int m_bits;
};
