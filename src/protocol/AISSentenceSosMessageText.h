#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// The text the device sends when its SOS button is pressed.
class AISSentenceSosMessageText : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceSosMessageText(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
