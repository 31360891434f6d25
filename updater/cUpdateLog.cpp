#include "cUpdateLog.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>

QString cUpdateLog::filePath()
{
    return QDir::tempPath() + QDir::separator() + QStringLiteral("flashwelllog.txt");
}

void cUpdateLog::write(const QString& message)
{
    // Month names in English whatever the user's language, so that logs sent
    // in for support read alike.
    const QString stamp = QLocale::c().toString(
        QDateTime::currentDateTime(), QStringLiteral("dd MMM yyyy - hh:mm:ss.zzz : "));
    const QString line = stamp + message;
    QFile file(filePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        file.write(line.toUtf8() + '\n');
    }
    logText += line + QLatin1Char('\n');
}
