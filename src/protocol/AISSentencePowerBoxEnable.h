#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// Whether the device is powered through its external power box.
class AISSentencePowerBoxEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentencePowerBoxEnable(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
