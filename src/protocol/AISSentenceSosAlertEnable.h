#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// Whether the SOS button sends the SOS message.
class AISSentenceSosAlertEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceSosAlertEnable(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
