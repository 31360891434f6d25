#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// Whether the device alerts when its external power box is disconnected.
class AISSentencePowerBoxAlertEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentencePowerBoxAlertEnable(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
