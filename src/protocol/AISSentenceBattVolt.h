#pragma once

#include "protocol/AISSentence.h"

class Diagnostics;

// The battery voltage in millivolts, kept as text.
class AISSentenceBattVolt : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceBattVolt(Diagnostics* diagnostics, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
