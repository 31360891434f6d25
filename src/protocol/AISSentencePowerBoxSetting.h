#pragma once

#include "protocol/AISSentence.h"

class Diagnostics;

// The power box status code, kept as text.
class AISSentencePowerBoxSetting : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentencePowerBoxSetting(Diagnostics* diagnostics, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
