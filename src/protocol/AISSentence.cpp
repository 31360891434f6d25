#include "protocol/AISSentence.h"

#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"

namespace {

// Setting commands carry no tag of their own.
constexpr int settingTag = 0;

} // namespace

AISSentence::AISSentence(ModelObject* object, QObject* parent)
    : QObject(parent)
    , m_object(object)
{
}

QString AISSentence::readSentence() const
{
    if (!m_readCommand.isEmpty()) {
        return shellReadSentence();
    }
    return ownSentence(deviceTalker() + QLatin1Char('Q'), { m_formatter });
}

QString AISSentence::ownSentence(const QString& identifier, const QStringList& fields)
{
    return NmeaSentence::frame(
        QLatin1Char('$') + ownTalker() + identifier + QLatin1Char(',') + fields.join(QLatin1Char(',')));
}

void AISSentence::setShellCommand(const QString& readCommand, int domain, int readMode)
{
    m_readCommand = readCommand;
    m_domain = domain;
    m_readMode = readMode;
}

QString AISSentence::shellReadSentence() const
{
    return NmeaShellCommand(m_readCommand, m_domain, m_readMode, settingTag).sentence();
}

QString AISSentence::shellWriteSentence(const QString& commandText, int mode) const
{
    return NmeaShellCommand(commandText, m_domain, mode, settingTag).sentence();
}

bool AISSentence::acceptShellReply(const NmeaSentence& sentence, QString& payload) const
{
    payload.clear();
    NmeaShellCommand command(m_readCommand, m_domain, m_readMode, settingTag);
    if (command.parseResponse(sentence) != NmeaShellCommand::ResultReply) {
        return false;
    }
    payload = command.response();
    return true;
}

bool AISSentence::acceptShellNumber(const NmeaSentence& sentence, int& value) const
{
    value = 0;
    QString payload;
    if (!acceptShellReply(sentence, payload)) {
        return false;
    }
    value = payload.toInt();
    return true;
}

int AISSentence::storeShellNumber(
    const NmeaSentence& sentence, Decoding decoding, const std::function<void(int)>& store) const
{
    int value = 0;
    if (!acceptShellNumber(sentence, value)) {
        return ResultNotMine;
    }
    switch (decoding) {
    case Decoding::Flag:
        value = value != 0 ? 1 : 0;
        break;
    case Decoding::StrictFlag: {
        bool flag = false;
        if (!strictFlag(value, flag)) {
            return ResultNotMine;
        }
        break;
    }
    case Decoding::Behaviour:
        value = behaviourCode(value);
        break;
    case Decoding::Number:
        break;
    }
    store(value);
    return ResultStored;
}

int AISSentence::storeShellText(
    const NmeaSentence& sentence, const std::function<void(const QString&)>& store) const
{
    QString payload;
    if (!acceptShellReply(sentence, payload)) {
        return ResultNotMine;
    }
    store(payload);
    return ResultStored;
}

bool AISSentence::isDeviceSentence(const NmeaSentence& sentence, const QString& identifier)
{
    return sentence.isValid() && sentence.talker() == deviceTalker() && sentence.identifier() == identifier;
}

QString AISSentence::cleanAisText(const QString& field)
{
    int end = field.size();
    while (end > 0 && field.at(end - 1) == QLatin1Char('@')) {
        --end;
    }
    // A field of nothing but padding is kept as it came.
    const QString text = end > 0 ? field.left(end) : field;
    return NmeaSentence::unescape(text);
}

bool AISSentence::strictFlag(int value, bool& flag)
{
    if (value != 0 && value != 1) {
        return false;
    }
    flag = value == 1;
    return true;
}
