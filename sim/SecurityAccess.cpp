#include "SecurityAccess.h"

#include "SimSentence.h"

#include <QRandomGenerator>

SecurityAccess::SecurityAccess(QObject* parent)
    : QObject(parent)
{
    m_relockTimer.setSingleShot(true);
    connect(&m_relockTimer, &QTimer::timeout, this, &SecurityAccess::relock);
}

void SecurityAccess::configure(const QString& password, int relockAfterMs)
{
    m_password = password;
    m_relockTimer.setInterval(relockAfterMs);
    powerOn();
}

void SecurityAccess::powerOn()
{
    m_locked = !m_password.isEmpty();
    m_sacOnNextCommand = false;
    m_challenge = 0;
    m_relockTimer.stop();
}

void SecurityAccess::noteTraffic()
{
    if (!m_locked && !m_password.isEmpty() && m_relockTimer.interval() > 0)
        m_relockTimer.start();
}

SecurityAccess::Gate SecurityAccess::gate()
{
    if (!m_locked)
        return Gate::Open;
    if (m_sacOnNextCommand) {
        // Only the first command after the relock learns why; later ones
        // meet the silence of a device locked since power-on, so a program
        // that reconnects falls back on its security poll.
        m_sacOnNextCommand = false;
        return Gate::AnswerSac;
    }
    return Gate::Silent;
}

QString SecurityAccess::answer(const SimSentence& sentence)
{
    const QString kind = sentence.field(2);
    bool numeric = false;
    sentence.field(4).toInt(&numeric);
    const QString requestNumber = numeric ? sentence.field(4) : QStringLiteral("0");
    if (kind == QLatin1String("Q")) {
        m_sacOnNextCommand = false;
        return m_locked ? lockedReply(requestNumber) : reply(QLatin1Char('A'), requestNumber, 0);
    }
    if (kind != QLatin1String("C"))
        return QString();
    if (!m_locked)
        return reply(QLatin1Char('A'), requestNumber, 0);
    bool ok = false;
    const quint32 response = sentence.field(5).toUInt(&ok, 16);
    const quint32 expected = m_challenge ^ passwordHash(m_password) ^ ResponseMask;
    if (ok && m_challenge != 0 && response == expected) {
        m_locked = false;
        m_challenge = 0;
        emit note(QStringLiteral("access granted"));
        noteTraffic();
        return reply(QLatin1Char('A'), requestNumber, 0);
    }
    emit note(QStringLiteral("access refused"));
    return lockedReply(requestNumber);
}

QString SecurityAccess::lockedReply(const QString& requestNumber)
{
    do {
        m_challenge = QRandomGenerator::global()->generate();
    } while (m_challenge == 0);
    return reply(QLatin1Char('V'), requestNumber, m_challenge);
}

quint32 SecurityAccess::passwordHash(const QString& password)
{
    quint32 e = 0;
    for (const QChar c : password) {
        const ushort code = c.unicode();
        const qint8 value = code < 256 ? static_cast<qint8>(static_cast<quint8>(code)) : 0;
        e += static_cast<quint32>(static_cast<qint32>(value));
        e *= 1025;
        e ^= e >> 6;
    }
    e *= 9;
    e ^= e >> 11;
    e *= 32769;
    return e;
}

void SecurityAccess::relock()
{
    if (m_locked)
        return;
    m_locked = true;
    m_sacOnNextCommand = true;
    emit note(QStringLiteral("locked again after a period of silence"));
}

QString SecurityAccess::reply(QChar state, const QString& requestNumber, quint32 challenge) const
{
    return QStringLiteral("$PKRX,SAC,R,%1,%2,%3").arg(state).arg(requestNumber).arg(challenge, 0, 16).toUpper();
}
