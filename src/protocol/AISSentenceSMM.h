#pragma once

#include "protocol/AISSentence.h"

class MMSI;

// The vessel's MMSI in the device's own "SMM" sentence.
class AISSentenceSMM : public AISSentence {
    Q_OBJECT

public:
    // Results of parseReply besides ResultStored and ResultNotMine.
    enum SmmResult {
        ResultOtherIdentifier = -3,
        ResultOtherTalker = -4,
        ResultInvalid = -5,
    };

    explicit AISSentenceSMM(MMSI* mmsi, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
