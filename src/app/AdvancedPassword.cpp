#include "app/AdvancedPassword.h"

#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QSettings>
#include <QStringList>

namespace {
const QString HashKey = QStringLiteral("PasswordHash");
const QString LegacyKey = QStringLiteral("PasswordDigest");
const QString Scheme = QStringLiteral("pbkdf2-sha256");
const QChar Separator = QLatin1Char('$');

// The login dialog checks the password as it is typed, so one derivation has
// to stay well under a second on a modest PC.
constexpr int Iterations = 10000;
// A tampered store must not be able to freeze the program on every check.
constexpr int MaxIterations = 1000000;
constexpr int SaltWords = 4;
constexpr int KeyBytes = 32;

// Takes as long for every wrong key, so timing tells nothing about the hash.
bool SameKey(const QByteArray& left, const QByteArray& right)
{
    if (left.size() != right.size()) {
        return false;
    }
    unsigned char difference = 0;
    for (int i = 0; i < left.size(); ++i) {
        difference |= static_cast<unsigned char>(left.at(i) ^ right.at(i));
    }
    return difference == 0;
}

QByteArray FromBase64(const QString& text)
{
    const auto result
        = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    return result ? result.decoded : QByteArray();
}
} // namespace

const QString AdvancedPassword::DefaultPassword = QStringLiteral("Lanternbay.64");

void AdvancedPassword::Read(const QSettings& settings)
{
    hash = ParseHash(settings.value(HashKey).toString());
    bool ok = false;
    legacyDigest = settings.value(LegacyKey).toULongLong(&ok);
    if (!ok) {
        legacyDigest = 0;
    }
}

void AdvancedPassword::Write(QSettings& settings) const
{
    if (hash.iterations > 0) {
        settings.setValue(HashKey, FormatHash(hash));
        settings.remove(LegacyKey);
    } else {
        settings.remove(HashKey);
        settings.setValue(LegacyKey, legacyDigest);
    }
}

bool AdvancedPassword::IsSet() const
{
    return hash.iterations > 0 || legacyDigest != 0;
}

bool AdvancedPassword::Check(const QString& text) const
{
    if (hash.iterations > 0) {
        return SameKey(DeriveKey(text, hash.salt, hash.iterations), hash.key);
    }
    if (legacyDigest != 0) {
        return LegacyDigest(text) == legacyDigest;
    }
    return text == DefaultPassword;
}

void AdvancedPassword::Set(const QString& text)
{
    quint32 words[SaltWords];
    QRandomGenerator::system()->fillRange(words);
    hash.iterations = Iterations;
    hash.salt = QByteArray(reinterpret_cast<const char*>(words), sizeof words);
    hash.key = DeriveKey(text, hash.salt, hash.iterations);
    legacyDigest = 0;
}

quint64 AdvancedPassword::LegacyDigest(const QString& text)
{
    quint64 product = 1;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        const qint8 factor = code > 0xff ? 0 : static_cast<qint8>(code);
        product *= static_cast<quint64>(static_cast<qint64>(factor));
    }
    return product == 0 ? 1 : product;
}

AdvancedPassword::Hash AdvancedPassword::ParseHash(const QString& record)
{
    const QStringList parts = record.split(Separator);
    if (parts.size() != 4 || parts.at(0) != Scheme) {
        return Hash();
    }
    Hash parsed;
    bool ok = false;
    parsed.iterations = parts.at(1).toInt(&ok);
    parsed.salt = FromBase64(parts.at(2));
    parsed.key = FromBase64(parts.at(3));
    if (!ok || parsed.iterations < 1 || parsed.iterations > MaxIterations || parsed.salt.isEmpty()
        || parsed.key.size() != KeyBytes) {
        return Hash();
    }
    return parsed;
}

QString AdvancedPassword::FormatHash(const Hash& hash)
{
    return QStringList { Scheme, QString::number(hash.iterations), QString::fromLatin1(hash.salt.toBase64()),
        QString::fromLatin1(hash.key.toBase64()) }
        .join(Separator);
}

QByteArray AdvancedPassword::DeriveKey(const QString& text, const QByteArray& salt, int iterations)
{
    return QPasswordDigestor::deriveKeyPbkdf2(
        QCryptographicHash::Sha256, text.toUtf8(), salt, iterations, KeyBytes);
}
