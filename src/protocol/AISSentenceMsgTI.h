#pragma once

#include "protocol/AISSentence.h"

class Messages;

// One of the report timings. The device has no switch for high-rate
// reporting: "off" travels as a zero interval and a zero speed threshold, and
// high-rate reporting reads back as on only while both are non-zero.
class AISSentenceMsgTI : public AISSentence {
    Q_OBJECT

public:
    enum Kind {
        PositionInterval = 0,
        HighRateInterval = 1,
        HighRateSog = 2,
        StaticDataInterval = 3,
    };

    AISSentenceMsgTI(Messages* messages, Kind kind, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;

private:
    int writeValue() const;
    void store(int value) const;

    Kind m_kind;
};
