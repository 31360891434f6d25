#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// Whether the device keeps transmitting, with an alert, after a bracket error.
class AISSentenceBracketErrorBehaviour : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceBracketErrorBehaviour(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
