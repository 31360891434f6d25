#include "protocol/NmeaShellCommand.h"

#include "protocol/NmeaSentence.h"

#include <QStringList>

namespace {

const char* const securityDomainTokens[] = { "0x00000000", "0x1F4A7B2C", "0x8E51D3A6", "0x47C09E15" };
constexpr int securityDomainCount = sizeof(securityDomainTokens) / sizeof(securityDomainTokens[0]);
constexpr int replyMarker = 255;

} // namespace

NmeaShellCommand::NmeaShellCommand(const QString& command, int domain, int mode, int tag, QObject* parent)
    : QObject(parent)
    , m_command(NmeaSentence::escape(command))
    , m_domain(domain)
    , m_mode(mode)
    , m_tag(tag)
{
}

QString NmeaShellCommand::securityDomainToken(int domain)
{
    if (domain < 0 || domain >= securityDomainCount) {
        return QString();
    }
    return QString::fromLatin1(securityDomainTokens[domain]);
}

QString NmeaShellCommand::sentence() const
{
    // Concatenated, not formatted with arg(): a command may hold "%1".
    const QStringList fields = { QStringLiteral("$PKRX"), QStringLiteral("0"), QString::number(m_domain),
        securityDomainToken(m_domain), QString::number(m_mode), m_command.left(MaxCommandLength),
        QString::number(m_tag) };
    return NmeaSentence::frame(fields.join(QLatin1Char(',')));
}

int NmeaShellCommand::parseResponse(const NmeaSentence& sentence)
{
    if (!sentence.isValid()) {
        return ResultInvalid;
    }
    if (sentence.talker().compare(QLatin1String("P"), Qt::CaseInsensitive) != 0) {
        return ResultNotProprietary;
    }
    if (sentence.identifier().compare(QLatin1String("KRX"), Qt::CaseInsensitive) != 0) {
        return ResultOtherMaker;
    }
    int marker = 0;
    QString echo;
    if (!sentence.fieldInt(1, marker) || marker != replyMarker || !sentence.fieldText(2, echo)) {
        return ResultNotReply;
    }
    if (echo != m_command) {
        return ResultOtherCommand;
    }
    if (!sentence.fieldInt(3, m_tag)) {
        return ResultNotReply;
    }
    QString payload;
    sentence.fieldText(4, payload);
    m_response = NmeaSentence::unescape(payload);
    return ResultReply;
}
