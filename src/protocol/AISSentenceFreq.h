#pragma once

#include "protocol/AISSentence.h"

class Messages;

// The transmit frequency of one AIS channel, in Hz. Channel A is the device's
// channel 1, channel B its channel 2.
class AISSentenceFreq : public AISSentence {
    Q_OBJECT

public:
    AISSentenceFreq(Messages* messages, bool channelA, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;

private:
    bool m_channelA;
};
