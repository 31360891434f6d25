#pragma once

#include "protocol/AISSentence.h"

class Diagnostics;

// The LED status code, kept as text.
class AISSentenceLedSetting : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceLedSetting(Diagnostics* diagnostics, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
