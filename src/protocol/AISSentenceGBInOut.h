#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// Whether the boundary applies inside (1) or outside (0).
class AISSentenceGBInOut : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceGBInOut(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
