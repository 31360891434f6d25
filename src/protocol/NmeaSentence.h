#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// One received line in NMEA 0183 framing, split into its fields. Field 0 is
// the start character with the address ("$GPRMC", "$PKRX"); the checksum is
// not a field. The accessors are the only way consumers should read fields:
// they never look outside the list, and they keep "absent", "empty" and "zero"
// apart by their return value.
class NmeaSentence {
public:
    static constexpr int MaxLength = 82;

    NmeaSentence() = default;
    explicit NmeaSentence(const QString& line);

    bool parse(const QString& line);

    bool isValid() const { return m_valid; }
    QString talker() const { return m_talker; }
    QString identifier() const { return m_identifier; }
    const QStringList& fields() const { return m_fields; }
    int fieldCount() const { return m_fields.size(); }

    // Each accessor first sets out to its empty value (text "", null character,
    // 0). fieldText fails only for an absent field; the others also fail for an
    // empty one. A present number field that is not a number reads as 0.
    bool fieldText(int index, QString& out) const;
    bool fieldChar(int index, QChar& out) const;
    bool fieldHex(int index, int& out) const;
    bool fieldInt(int index, int& out) const;
    // Decimal number with a "." as separator, whatever the user's locale.
    bool fieldDouble(int index, double& out) const;

    // XOR of the Latin-1 codes of every character after the first, as two
    // upper-case hexadecimal digits.
    static QString checksum(const QString& text);
    // Appends "*", the checksum and CR LF to a sentence body such as "$UPAIQ,SSD".
    static QString frame(const QString& body);
    // Writes the reserved characters $ * , ! \ ^ ~ as "^" and two hex digits.
    static QString escape(const QString& text);
    static QString unescape(const QString& text);

private:
    bool nonEmptyField(int index, QString& text) const;
    bool fieldNumber(int index, int base, int& out) const;
    void splitAddress();

    QStringList m_fields;
    QString m_talker;
    QString m_identifier;
    bool m_valid = false;
};
