#pragma once

#include "protocol/AISSentence.h"

class Model;

// Whether the device's GNSS receiver uses SBAS. The device reads this one from its non-volatile store,
// outside the protected domain.
class AISSentenceSbasEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceSbasEnable(Model* model, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
