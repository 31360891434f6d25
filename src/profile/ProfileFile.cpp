#include "profile/ProfileFile.h"

#include "app/CompleteFile.h"
#include "model/SettingRules.h"
#include "profile/ProfileSetting.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>

#include <cmath>
#include <limits>

namespace {

const QString formatName = QStringLiteral("velmora-profile");
// A programming's record leaves out the settings neither sent nor read, and
// lists those only read from the device.
const QString partialKey = QStringLiteral("partial");
const QString readKey = QStringLiteral("readFromDevice");
constexpr int formatVersion = 1;

QString Tr(const char* text)
{
    return QCoreApplication::translate("ProfileFile", text);
}

// A number as the file gives it: 3000000000, not 3e+09.
QString Written(double number)
{
    return std::fabs(number) < 1e15 && std::trunc(number) == number
        ? QString::number(static_cast<qint64>(number))
        : QString::number(number, 'g', QLocale::FloatingPointShortest);
}

QString Problem(const QString& field, const QString& why)
{
    return field + QStringLiteral(": ") + why;
}

QString Problem(const ProfileSetting& setting, const QString& why)
{
    return Problem(QStringLiteral("%1 (%2)").arg(setting.Path(), setting.name), why);
}

// A text the device holds as unset ("@@@@@@@") is saved as none.
QJsonValue ToJsonValue(const ProfileSetting& setting, const QVariant& value)
{
    const bool unset
        = setting.kind == ProfileSetting::Kind::Text && SettingRules::IsUnsetText(value.toString());
    const QJsonValue plain = unset ? QJsonValue(QString()) : QJsonValue::fromVariant(value);
    if (!setting.perVessel) {
        return plain;
    }
    return QJsonObject { { QStringLiteral("value"), plain }, { QStringLiteral("perVessel"), true } };
}

// The value in the kind the setting needs, or an invalid variant and the reason.
QVariant FromJsonValue(const ProfileSetting& setting, QJsonValue value, QString* why)
{
    if (setting.perVessel && value.isObject()) {
        value = value.toObject().value(QStringLiteral("value"));
    }
    switch (setting.kind) {
    case ProfileSetting::Kind::Flag:
        if (value.isBool())
            return value.toBool();
        *why = Tr("must be true or false");
        break;
    case ProfileSetting::Kind::Whole: {
        const double number = value.toDouble(0.5);
        if (value.isDouble() && std::trunc(number) == number && number >= std::numeric_limits<int>::min()
            && number <= std::numeric_limits<int>::max())
            return static_cast<int>(number);
        *why = Tr("must be a whole number");
        break;
    }
    case ProfileSetting::Kind::Decimal:
        // Kept as a float: a larger number would read as infinity.
        if (value.isDouble() && std::fabs(value.toDouble()) <= std::numeric_limits<float>::max())
            return value.toDouble();
        *why = value.isDouble() ? Tr("%1 is too large").arg(Written(value.toDouble()))
                                : Tr("must be a number");
        break;
    case ProfileSetting::Kind::Text:
        if (value.isString())
            return value.toString();
        *why = Tr("must be a text");
        break;
    }
    return QVariant();
}

QJsonObject OriginToJson(const ProfileOrigin& origin, QJsonObject root)
{
    root.insert(QStringLiteral("saved"),
        QJsonObject { { QStringLiteral("at"), origin.savedAt.toUTC().toString(Qt::ISODate) },
            { QStringLiteral("by"), origin.savedBy }, { QStringLiteral("computer"), origin.computer } });
    root.insert(QStringLiteral("device"),
        QJsonObject { { QStringLiteral("family"), origin.family },
            { QStringLiteral("generation"), origin.generation },
            { QStringLiteral("firmware"), origin.firmware },
            { QStringLiteral("serialNumber"), origin.serialNumber } });
    return root;
}

// Informational texts may be missing; a value of another kind means damage.
QString OptionalText(
    const QJsonObject& object, const QString& section, const QString& key, QStringList* problems)
{
    const QJsonValue value = object.value(key);
    if (!value.isUndefined() && !value.isString()) {
        *problems << Problem(section + QLatin1Char('.') + key, Tr("must be a text"));
    }
    return value.toString();
}

ProfileOrigin OriginFromJson(const QJsonObject& root, QStringList* problems)
{
    const QJsonObject saved = root.value(QStringLiteral("saved")).toObject();
    const QJsonObject device = root.value(QStringLiteral("device")).toObject();
    const QString savedSection = QStringLiteral("saved");
    const QString deviceSection = QStringLiteral("device");
    ProfileOrigin origin;
    const QString savedAt = OptionalText(saved, savedSection, QStringLiteral("at"), problems);
    origin.savedAt = QDateTime::fromString(savedAt, Qt::ISODate).toUTC();
    if (!savedAt.isEmpty() && !origin.savedAt.isValid()) {
        *problems << Problem(QStringLiteral("saved.at"), Tr("not a date and time (ISO 8601)"));
    }
    origin.savedBy = OptionalText(saved, savedSection, QStringLiteral("by"), problems);
    origin.computer = OptionalText(saved, savedSection, QStringLiteral("computer"), problems);
    origin.family = OptionalText(device, deviceSection, QStringLiteral("family"), problems);
    origin.firmware = OptionalText(device, deviceSection, QStringLiteral("firmware"), problems);
    origin.serialNumber = OptionalText(device, deviceSection, QStringLiteral("serialNumber"), problems);
    origin.generation = device.value(QStringLiteral("generation")).toInt(0);
    if (!ProfileSetting::GenerationKnown(origin.generation)) {
        *problems << Problem(QStringLiteral("device.generation"), Tr("must be 1, 2 or 4"));
    }
    return origin;
}

// The format and version; an empty text when this program can read the file.
QString FormatProblem(const QJsonObject& root)
{
    if (root.value(QStringLiteral("format")).toString() != formatName) {
        return Problem(QStringLiteral("format"), Tr("this is not a velmora profile"));
    }
    const QJsonValue version = root.value(QStringLiteral("version"));
    const double major = std::floor(version.toDouble(0));
    if (major > formatVersion) {
        return Problem(QStringLiteral("version"),
            Tr("the profile has format version %1, written by a newer program; this program reads version "
               "%2. "
               "Update the program to open it.")
                .arg(Written(major))
                .arg(formatVersion));
    }
    return major < 1 ? Problem(QStringLiteral("version"), Tr("must be a number from 1")) : QString();
}

// Reads every setting of the profile's generation, then checks the ones read;
// the checks may look at other settings, so they come second.
void ReadSettings(const QJsonObject& root, Profile* profile, QStringList* problems, QStringList* warnings)
{
    const bool partial = root.value(partialKey).toBool();
    QSet<QString> given;
    std::vector<const ProfileSetting*> read;
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        if (!setting.HeldBy(profile->Origin().generation)) {
            continue;
        }
        const QJsonValue value = root.value(setting.section).toObject().value(setting.key);
        if (partial && value.isUndefined()) {
            continue;
        }
        given << setting.Path();
        QString why = Tr("missing");
        const QVariant converted = value.isUndefined() ? QVariant() : FromJsonValue(setting, value, &why);
        if (converted.isValid()) {
            setting.set(*profile, converted);
            read.push_back(&setting);
        } else {
            *problems << Problem(setting, why);
        }
    }
    // What a device can hold and be sent is taken; what the pages would not
    // offer is only said.
    for (const ProfileSetting* setting : read) {
        const QString refused = setting->unsendable(*profile);
        const QString unusual = refused.isEmpty() ? setting->problem(*profile) : QString();
        if (!refused.isEmpty()) {
            *problems << Problem(*setting, refused);
        } else if (!unusual.isEmpty()) {
            *warnings << Problem(*setting, unusual);
        }
    }
    if (partial) {
        QSet<QString> onlyRead;
        for (const QJsonValue path : root.value(readKey).toArray()) {
            onlyRead << path.toString();
        }
        profile->Restrict(given - onlyRead, given & onlyRead);
    }
}

ProfileReadResult Refused(const QStringList& problems)
{
    ProfileReadResult result;
    result.problems = problems;
    return result;
}

} // namespace

QByteArray ProfileFile::ToJson(const Profile& profile)
{
    QJsonObject root { { QStringLiteral("format"), formatName },
        { QStringLiteral("version"), formatVersion } };
    root = OriginToJson(profile.Origin(), root);
    QJsonArray onlyRead;
    for (const ProfileSetting& setting : ProfileSetting::All()) {
        const Profile::Source source = profile.SourceOf(setting);
        if (setting.HeldBy(profile.Origin().generation) && source != Profile::Source::Absent) {
            QJsonObject section = root.value(setting.section).toObject();
            section.insert(setting.key, ToJsonValue(setting, setting.get(profile)));
            root.insert(setting.section, section);
            if (source == Profile::Source::Read) {
                onlyRead.append(setting.Path());
            }
        }
    }
    if (profile.IsPartial()) {
        root.insert(partialKey, true);
        root.insert(readKey, onlyRead);
    }
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

ProfileReadResult ProfileFile::FromJson(const QByteArray& json)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        return Refused(
            { Tr("The file is not valid JSON: %1 at byte %2.").arg(error.errorString()).arg(error.offset) });
    }
    if (!document.isObject()) {
        return Refused({ Tr("The file does not hold a JSON object.") });
    }
    const QJsonObject root = document.object();
    const QString format = FormatProblem(root);
    if (!format.isEmpty()) {
        return Refused({ format });
    }
    QStringList problems;
    QStringList warnings;
    Profile profile;
    profile.SetOrigin(OriginFromJson(root, &problems));
    if (problems.isEmpty()) {
        ReadSettings(root, &profile, &problems, &warnings);
    }
    if (!problems.isEmpty()) {
        return Refused(problems);
    }
    ProfileReadResult result;
    result.ok = true;
    result.profile = profile;
    result.warnings = warnings;
    return result;
}

ProfileReadResult ProfileFile::Read(const QString& path)
{
    // Checked before opening: a FIFO would block the open, a device such as
    // /dev/zero never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        return Refused({ Tr("%1 is not a regular file.").arg(path) });
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Refused({ Tr("Cannot open %1: %2").arg(path, file.errorString()) });
    }
    const QByteArray json = file.read(MaxBytes + 1);
    if (json.size() > MaxBytes) {
        return Refused({ Tr("%1 is larger than %2 MB; a profile is a few kilobytes.")
                             .arg(path)
                             .arg(MaxBytes / (1024 * 1024)) });
    }
    return FromJson(json);
}

bool ProfileFile::Write(const Profile& profile, const QString& path, QString* error)
{
    return CompleteFile::Write(path, ToJson(profile), error);
}
