#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// What the device does inside the geofence: 0 transmit, 1 transmit with an alert, 2 stop.
class AISSentenceInsideGeofenceBehaviour : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceInsideGeofenceBehaviour(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
