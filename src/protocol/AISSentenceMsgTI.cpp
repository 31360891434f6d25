#include "protocol/AISSentenceMsgTI.h"

#include "model/Messages.h"

namespace {

struct Words {
    const char* read;
    const char* write;
};

// Indexed by kind.
const Words words[] = {
    { "getposti", "setposti " },
    { "getposhrti", "setposhrti " },
    { "getposhrsog", "setposhrsog " },
    { "getdatati", "setdatati " },
};

// The device counts the speed threshold in tenths of a knot.
constexpr int tenthsPerKnot = 10;

} // namespace

AISSentenceMsgTI::AISSentenceMsgTI(Messages* messages, Kind kind, QObject* parent)
    : AISSentence(messages, parent)
    , m_kind(kind)
{
    setFormatter(QStringLiteral("MTI"));
    setShellCommand(QLatin1String(words[kind].read), ConfigurationDomain);
}

QString AISSentenceMsgTI::writeSentence() const
{
    return shellWriteSentence(QLatin1String(words[m_kind].write) + QString::number(writeValue()));
}

int AISSentenceMsgTI::writeValue() const
{
    const Messages* messages = object<Messages>();
    switch (m_kind) {
    case PositionInterval:
        return messages->positionInterval();
    case HighRateInterval:
        return messages->highRateEnabled() ? messages->highRateInterval() : 0;
    case HighRateSog:
        return messages->highRateEnabled() ? messages->highRateSog() * tenthsPerKnot : 0;
    case StaticDataInterval:
        return messages->staticDataInterval();
    }
    return 0;
}

int AISSentenceMsgTI::parseReply(const NmeaSentence& sentence)
{
    return storeShellNumber(sentence, Decoding::Number, [this](int value) { store(value); });
}

void AISSentenceMsgTI::store(int value) const
{
    Messages* messages = object<Messages>();
    switch (m_kind) {
    case PositionInterval:
        messages->setPositionInterval(value);
        break;
    case HighRateInterval:
        if (value != 0) {
            messages->setHighRateInterval(value);
        }
        messages->setHighRateEnabled(value != 0 && messages->highRateSog() != 0);
        break;
    case HighRateSog:
        if (value != 0) {
            messages->setHighRateSog(value / tenthsPerKnot);
        }
        messages->setHighRateEnabled(value != 0 && messages->highRateInterval() != 0);
        break;
    case StaticDataInterval:
        // The model derives it from the position interval.
        break;
    }
}
