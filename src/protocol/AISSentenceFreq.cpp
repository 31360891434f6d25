#include "protocol/AISSentenceFreq.h"

#include "model/Messages.h"

AISSentenceFreq::AISSentenceFreq(Messages* messages, bool channelA, QObject* parent)
    : AISSentence(messages, parent)
    , m_channelA(channelA)
{
    setFormatter(QStringLiteral("FRQ"));
    setShellCommand(
        channelA ? QStringLiteral("getaisfreq 1") : QStringLiteral("getaisfreq 2"), ConfigurationDomain);
}

QString AISSentenceFreq::writeSentence() const
{
    const Messages* messages = object<Messages>();
    if (m_channelA) {
        return shellWriteSentence(
            QStringLiteral("setaisfreq 1,") + QString::number(messages->channelAFrequency()));
    }
    // The device has no switch for channel B: a disabled channel B transmits
    // on channel A's frequency.
    const int hertz
        = messages->channelBEnabled() ? messages->channelBFrequency() : messages->channelAFrequency();
    return shellWriteSentence(QStringLiteral("setaisfreq 2,") + QString::number(hertz));
}

int AISSentenceFreq::parseReply(const NmeaSentence& sentence)
{
    Messages* messages = object<Messages>();
    const bool channelA = m_channelA;
    return storeShellNumber(sentence, Decoding::Number, [messages, channelA](int hertz) {
        if (channelA) {
            messages->setChannelAFrequency(hertz);
        } else {
            messages->setChannelBFrequency(hertz);
        }
        messages->setChannelBEnabled(messages->channelAFrequency() != messages->channelBFrequency());
    });
}
