#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// The operational fence switch.
class AISSentenceOperationalFenceEnabled : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceOperationalFenceEnabled(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
