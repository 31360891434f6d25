#include "protocol/cSecurityDomainManager.h"

#include "app/JobNames.h"
#include "protocol/NmeaSentence.h"

namespace {

const QChar letterOpen = QLatin1Char('A');
const QChar letterLocked = QLatin1Char('V');

cSecurityDomainManager::PasswordSource& defaultPasswordSource()
{
    static cSecurityDomainManager::PasswordSource source = [] { return QString(); };
    return source;
}

// The Latin-1 code of a character as the device's signed byte sees it.
quint32 signedLatin1(QChar c)
{
    int code = c.unicode() <= 0xFF ? c.unicode() : 0;
    if (code > 127) {
        code -= 256;
    }
    return static_cast<quint32>(code);
}

cSecurityDomainManager::RefusalHandler& refusalHandler()
{
    static cSecurityDomainManager::RefusalHandler handler = [](quint32) { return false; };
    return handler;
}

} // namespace

cSecurityDomainManager::cSecurityDomainManager(QObject* parent)
    : cSecurityDomainManager(defaultPasswordSource(), parent)
{
}

cSecurityDomainManager::cSecurityDomainManager(PasswordSource source, QObject* parent)
    : QObject(parent)
    , m_passwordSource(std::move(source))
{
}

void cSecurityDomainManager::setDefaultPasswordSource(PasswordSource source)
{
    defaultPasswordSource() = std::move(source);
}

void cSecurityDomainManager::setRefusalHandler(RefusalHandler handler)
{
    refusalHandler() = std::move(handler);
}

QString cSecurityDomainManager::pollSentence()
{
    m_state = PollSent;
    return requestSentence();
}

QString cSecurityDomainManager::requestSentence() const
{
    return sacSentence(QStringLiteral("Q"), QString());
}

QString cSecurityDomainManager::responseSentence() const
{
    return sacSentence(QStringLiteral("C"), QString::number(responseValue(), 16).toUpper());
}

QString cSecurityDomainManager::sacSentence(const QString& kind, const QString& value) const
{
    return NmeaSentence::frame(
        QStringLiteral("$PKRX,SAC,%1,,%2,%3").arg(kind, QString::number(RequestNumber), value));
}

void cSecurityDomainManager::parseSac(const NmeaSentence& sentence)
{
    QChar kind;
    if (!sentence.fieldChar(2, kind) || kind != QLatin1Char('R')) {
        return;
    }
    if (!sentence.fieldChar(3, m_deviceState) || !sentence.fieldInt(4, m_replyNumber)) {
        return;
    }
    // The challenge uses all 32 bits: a signed reading would lose half of them.
    QString challenge;
    sentence.fieldText(5, challenge);
    m_challenge = challenge.toUInt(nullptr, 16);
}

quint32 cSecurityDomainManager::responseValue() const
{
    if (m_challenge == 0) {
        return 0;
    }
    return m_challenge ^ m_passwordHash ^ ResponseMask;
}

quint32 cSecurityDomainManager::hashPassword(const QString& password)
{
    quint32 hash = 0;
    for (const QChar c : password) {
        hash += signedLatin1(c);
        hash *= 1025;
        hash ^= hash >> 6;
    }
    hash *= 9;
    hash ^= hash >> 11;
    hash *= 32769;
    return hash;
}

QString cSecurityDomainManager::nextJob()
{
    switch (m_state) {
    case PollSent:
        return nextJobAfterPoll();
    case RequestPending:
        if (m_deviceState == letterLocked) {
            m_state = ResponsePending;
            return JobName::SecurityAccessChallengeResponse;
        }
        return QString();
    case ResponsePending:
        if (m_deviceState == letterOpen) {
            m_state = AccessGranted;
            return JobName::ConnectionTest;
        }
        if (m_deviceState == letterLocked && refusalHandler()(m_passwordHash)) {
            return askPassword();
        }
        if (m_deviceState == letterLocked) {
            m_state = Idle;
        }
        return QString();
    case AccessGranted:
        // A security refresh: the stored hash answers a new challenge without
        // asking the user again.
        m_state = RequestPending;
        return JobName::SecurityAccessRequest;
    default:
        return QString();
    }
}

QString cSecurityDomainManager::nextJobAfterPoll()
{
    if (m_deviceState == letterOpen) {
        m_state = DeviceOpen;
    } else if (m_deviceState == letterLocked) {
        return askPassword();
    }
    return QString();
}

QString cSecurityDomainManager::askPassword()
{
    m_passwordHash = hashPassword(m_passwordSource());
    m_state = RequestPending;
    return JobName::SecurityAccessRequest;
}
