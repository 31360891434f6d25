#pragma once

#include "protocol/AISSentence.h"

class Diagnostics;

// Asks the device for a signal strength reading. The reading itself arrives
// on a line of its own starting "ADC =", which the transport stores; the
// reply to the command only confirms it.
class AISSentenceRSSI : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceRSSI(Diagnostics* diagnostics, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
