#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The simulated device's own view of an NMEA 0183 line: it finds the start
// character, checks length and checksum, and splits the fields. It is kept
// apart from the configuration program's sentence classes on purpose: the
// simulator is the peer the program is tested against.
class SimSentence
{
public:
    static constexpr int MaxLength = 82;

    // Parses one received line (line end and leading noise allowed).
    static SimSentence parse(const QByteArray& line);

    // "$BODY" -> "$BODY*hh\r\n"
    static QByteArray frame(const QString& body);
    // Two upper-case hexadecimal digits of the XOR of everything after the
    // start character.
    static QByteArray checksum(const QByteArray& body);
    static QString escape(const QString& text);
    static QString unescape(const QString& text);

    bool isValid() const { return m_valid; }
    // Field 0 without its start character, e.g. "PKRX", "UPAIQ".
    QString address() const;
    QString field(int index) const;
    bool hasField(int index) const { return index >= 0 && index < m_fields.size(); }
    int fieldCount() const { return m_fields.size(); }

private:
    bool m_valid = false;
    QStringList m_fields;
};
