#pragma once

#include "protocol/AISSentence.h"

class VoyageLog;

// The distance in metres the vessel must move before the voyage log stores an entry.
class AISSentenceVoyageLogDistance : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceVoyageLogDistance(VoyageLog* voyageLog, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
