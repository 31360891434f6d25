#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// The SOS buzzer mode. The device takes the buzzer's on and off times after the mode; they are fixed.
class AISSentenceSosAudibleAlertEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceSosAudibleAlertEnable(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
