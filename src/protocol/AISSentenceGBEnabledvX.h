#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// The boundary switch of the later firmware, which names it differently from v4.
class AISSentenceGBEnabledvX : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceGBEnabledvX(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
