#include "app/AppSettings.h"

#include <QSettings>

namespace {
const QString LogFilenameKey = QStringLiteral("LogFilename");
const QString PortNameKey = QStringLiteral("PortName");
const QString FccAcceptKey = QStringLiteral("FCCAccept");
const QString ShowTransmitKey = QStringLiteral("ShowTransmit");
const QString ConsoleHistoryKey = QStringLiteral("ConsoleHistory");

// Text stores give back "true" or "false"; anything else is not a flag.
bool ReadFlag(const QSettings& settings, const QString& key)
{
    const QVariant value = settings.value(key);
    if (value.type() == QVariant::Bool) {
        return value.toBool();
    }
    const QString text = value.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1");
}
} // namespace

void AppSettings::Load()
{
    const QSettings settings;
    logFilename = settings.value(LogFilenameKey).toString();
    portName = settings.value(PortNameKey).toString();
    password.Read(settings);
    showTransmit = ReadFlag(settings, ShowTransmitKey);
    fccAccept = ReadFlag(settings, FccAcceptKey);
    consoleHistory = settings.value(ConsoleHistoryKey).toStringList();
    changed = false;
}

bool AppSettings::Save()
{
    QSettings settings;
    settings.setValue(LogFilenameKey, logFilename);
    settings.setValue(PortNameKey, portName);
    settings.setValue(FccAcceptKey, fccAccept);
    settings.setValue(ConsoleHistoryKey, consoleHistory);
    password.Write(settings);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        return false;
    }
    changed = false;
    return true;
}

bool AppSettings::SaveIfChanged()
{
    return !changed || Save();
}

bool AppSettings::IsChanged() const
{
    return changed;
}

QString AppSettings::LogFilename() const
{
    return logFilename;
}

void AppSettings::SetLogFilename(const QString& name)
{
    SetText(&logFilename, name);
}

QString AppSettings::PortName() const
{
    return portName;
}

void AppSettings::SetPortName(const QString& name)
{
    SetText(&portName, name);
}

bool AppSettings::FccAccept() const
{
    return fccAccept;
}

bool AppSettings::ShowTransmit() const
{
    return showTransmit;
}

QStringList AppSettings::ConsoleHistory() const
{
    return consoleHistory;
}

void AppSettings::SetConsoleHistory(const QStringList& lines)
{
    if (consoleHistory != lines) {
        consoleHistory = lines;
        changed = true;
    }
}

const AdvancedPassword& AppSettings::Password() const
{
    return password;
}

bool AppSettings::SetPassword(const QString& text)
{
    password.Set(text);
    changed = true;
    return Save();
}

void AppSettings::SetText(QString* value, const QString& text)
{
    if (*value != text) {
        *value = text;
        changed = true;
    }
}
