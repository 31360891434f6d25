#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// The encryption fence switch.
class AISSentenceEncryptionFenceEnabled : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceEncryptionFenceEnabled(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
