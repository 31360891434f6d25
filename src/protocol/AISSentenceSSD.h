#pragma once

#include "protocol/AISSentence.h"

class StaticData;

// The station static data: call sign, vessel name and the position of the
// reference point, in the standard SSD sentence.
class AISSentenceSSD : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceSSD(StaticData* staticData, QObject* parent = nullptr);

    QString writeSentence() const override;
    // Stores what it reads field by field: a reply that ends before the last
    // dimension returns ResultNotMine but keeps the fields before it.
    int parseReply(const NmeaSentence& sentence) override;
};
