#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// Whether the device keeps transmitting, with an alert, when off its bracket.
class AISSentenceOffBracketBehaviour : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceOffBracketBehaviour(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
