#include "Transcript.h"

#include <QDateTime>

Transcript::Transcript(QObject* parent)
    : QObject(parent)
{
    m_clock.start();
}

bool Transcript::setFile(const QString& path, QString* error)
{
    m_file.close();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        *error = QStringLiteral("cannot write the transcript %1: %2").arg(path, m_file.errorString());
        return false;
    }
    return true;
}

void Transcript::bytes(const QString& direction, int rate, const QByteArray& data)
{
    add(QStringLiteral("%1 %2 %3").arg(direction, -8).arg(rate, 6).arg(printable(data)));
}

void Transcript::event(const QString& text)
{
    add(QStringLiteral("%1 %2 %3").arg(QStringLiteral("--"), -8).arg(QString(), 6).arg(text));
}

QString Transcript::printable(const QByteArray& data)
{
    QString text;
    for (const char byte : data) {
        const auto code = static_cast<unsigned char>(byte);
        if (code == '\r')
            text += QStringLiteral("\\r");
        else if (code == '\n')
            text += QStringLiteral("\\n");
        else if (code == '\\')
            text += QStringLiteral("\\\\");
        else if (code >= 0x20 && code < 0x7F)
            text += QLatin1Char(byte);
        else
            text += QStringLiteral("\\x%1").arg(code, 2, 16, QLatin1Char('0'));
    }
    return text;
}

void Transcript::add(const QString& body)
{
    const QString entry = QStringLiteral("%1 %2 %3")
                              .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs))
                              .arg(m_clock.elapsed() / 1000.0, 10, 'f', 3)
                              .arg(body);
    if (m_entries.size() >= MaxEntries)
        m_entries.removeFirst();
    m_entries.append(entry);
    if (m_file.isOpen()) {
        m_file.write(entry.toUtf8() + '\n');
        m_file.flush();
    }
    emit entryAdded(entry);
}
