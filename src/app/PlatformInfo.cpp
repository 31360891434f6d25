#include "app/PlatformInfo.h"

#include <QSysInfo>

namespace {
// An empty variable tells as little as a missing one.
QString ValueOr(const QProcessEnvironment& environment, const QString& name, const QString& fallback)
{
    const QString value = environment.value(name);
    return value.isEmpty() ? fallback : value;
}
} // namespace

QString PlatformInfo::UserName(const QProcessEnvironment& environment)
{
    return ValueOr(environment, QStringLiteral("USERNAME"), environment.value(QStringLiteral("USER")));
}

QString PlatformInfo::ComputerName(const QProcessEnvironment& environment)
{
    return ValueOr(environment, QStringLiteral("COMPUTERNAME"), QSysInfo::machineHostName());
}

QString PlatformInfo::ExecutableSuffix()
{
#ifdef Q_OS_WIN
    return QStringLiteral(".exe");
#else
    return QString();
#endif
}

QString PlatformInfo::UpdaterFileName()
{
    return QStringLiteral("Flashwell") + ExecutableSuffix();
}
