#pragma once

#include <QByteArray>
#include <QString>

class QSettings;

// The password that guards the advanced mode.
//
// A password set by this version is kept as a salted PBKDF2-HMAC-SHA256 hash
// under "PasswordHash". Earlier versions kept a multiplicative digest under
// "PasswordDigest"; such a digest is still honoured, with its old rules, until
// the password is next set, so an upgrade does not lock anyone out. While
// neither is stored, only the default password opens the advanced mode.
class AdvancedPassword {
public:
    static const QString DefaultPassword;

    // Reads what the store holds; anything malformed reads as not set.
    void Read(const QSettings& settings);
    void Write(QSettings& settings) const;

    bool IsSet() const;
    bool Check(const QString& text) const;
    // Replaces whatever was stored (the old digest included) by a new hash.
    void Set(const QString& text);

    // The digest earlier versions stored: the wrapped product of the
    // characters' signed Latin-1 codes, 1 instead of 0.
    static quint64 LegacyDigest(const QString& text);

private:
    struct Hash {
        int iterations = 0; // 0: no hash stored
        QByteArray salt;
        QByteArray key;
    };

    static Hash ParseHash(const QString& record);
    static QString FormatHash(const Hash& hash);
    static QByteArray DeriveKey(const QString& text, const QByteArray& salt, int iterations);

    Hash hash;
    quint64 legacyDigest = 0; // 0: no digest stored
};
