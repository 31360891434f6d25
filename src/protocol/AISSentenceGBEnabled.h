#pragma once

#include "protocol/AISSentence.h"

class GeoBoundary;

// The boundary switch of the v4 firmware.
class AISSentenceGBEnabled : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceGBEnabled(GeoBoundary* boundary, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
