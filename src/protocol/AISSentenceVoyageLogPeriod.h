#pragma once

#include "protocol/AISSentence.h"

class VoyageLog;

// The interval between voyage log entries, in seconds. The device has no
// switch for the log: a period of 0 means the log is off.
class AISSentenceVoyageLogPeriod : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceVoyageLogPeriod(VoyageLog* voyageLog, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
