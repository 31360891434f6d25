#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// The Halvex fence switch.
class AISSentenceHalvexFenceEnabled : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceHalvexFenceEnabled(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
