#pragma once

#include "protocol/AISSentence.h"

class VesselData;

// The voyage static data in the standard VSD sentence. Only the type of ship
// and the destination are kept; the other fields go out empty.
class AISSentenceVSD : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceVSD(VesselData* vesselData, QObject* parent = nullptr);

    QString writeSentence() const override;
    // A reply without a destination field returns ResultNotMine but keeps the
    // type it read.
    int parseReply(const NmeaSentence& sentence) override;
};
