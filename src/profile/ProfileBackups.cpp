#include "profile/ProfileBackups.h"

#include "profile/ProfileFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QVector>

#include <algorithm>

namespace {

constexpr int keptBackups = 50;
const QString timeFormat = QStringLiteral("yyyyMMdd-HHmmss");

QString Tr(const char* text)
{
    return QCoreApplication::translate("ProfileBackups", text);
}

// A serial number is the device's text; only characters safe in a file name
// on every platform are kept, and never "-", which ends it in the name.
QString SafeSerial(const QString& serialNumber)
{
    QString safe;
    for (const QChar c : serialNumber) {
        safe += (c.isLetterOrNumber() && c.unicode() < 128) ? c : QLatin1Char('_');
    }
    return safe.isEmpty() ? QStringLiteral("unknown") : safe;
}

// "<serial>-<time>.json", or "<serial>-<time>-<n>.json" for a second backup
// within the same second.
const QRegularExpression& BackupName()
{
    static const QRegularExpression name(QStringLiteral("^([^-]+)-(\\d{8}-\\d{6})(?:-(\\d+))?\\.json$"));
    return name;
}

struct Backup {
    QString path;
    QString serial;
    QString age; // sorts like the time the backup was taken
};

// Newest first.
QVector<Backup> Backups(const QString& folder)
{
    QVector<Backup> backups;
    for (const QFileInfo& file : QDir(folder).entryInfoList({ QStringLiteral("*.json") }, QDir::Files)) {
        const QRegularExpressionMatch match = BackupName().match(file.fileName());
        if (match.hasMatch()) {
            const QString count = match.captured(3).rightJustified(6, QLatin1Char('0'));
            backups.push_back({ file.filePath(), match.captured(1), match.captured(2) + count });
        }
    }
    std::sort(backups.begin(), backups.end(), [](const Backup& a, const Backup& b) { return a.age > b.age; });
    return backups;
}

QString FreePath(const QString& folder, const QString& stem)
{
    const QDir dir(folder);
    QString path = dir.filePath(stem + QStringLiteral(".json"));
    for (int n = 2; QFileInfo::exists(path); ++n) {
        path = dir.filePath(stem + QStringLiteral("-%1.json").arg(n));
    }
    return path;
}

} // namespace

ProfileBackups::ProfileBackups(const QString& folder)
    : m_folder(folder)
{
}

bool ProfileBackups::Save(const Profile& profile, QString* savedPath, QString* error)
{
    if (!QDir().mkpath(m_folder)) {
        if (error) {
            *error = Tr("Cannot create the backup folder %1.").arg(m_folder);
        }
        return false;
    }
    const QString serial = SafeSerial(profile.Origin().serialNumber);
    const QString stamp = QDateTime::currentDateTimeUtc().toString(timeFormat);
    const QString path = FreePath(m_folder, serial + QLatin1Char('-') + stamp);
    if (!ProfileFile::Write(profile, path, error)) {
        return false;
    }
    // Counted per device, so that many resets of one device cannot take the
    // backups of another.
    int kept = 0;
    for (const Backup& backup : Backups(m_folder)) {
        if (backup.serial == serial && ++kept > keptBackups) {
            QFile::remove(backup.path);
        }
    }
    if (savedPath) {
        *savedPath = path;
    }
    return true;
}

QString ProfileBackups::NewestFor(const QString& serialNumber) const
{
    const QString serial = SafeSerial(serialNumber);
    for (const Backup& backup : Backups(m_folder)) {
        if (backup.serial == serial) {
            return backup.path;
        }
    }
    return QString();
}
