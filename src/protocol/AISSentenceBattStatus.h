#pragma once

#include "protocol/AISSentence.h"

class Diagnostics;

// The battery or charger status code, kept as text for the diagnostics tab.
class AISSentenceBattStatus : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceBattStatus(Diagnostics* diagnostics, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
