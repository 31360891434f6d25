#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// What the device does outside the geofence: 0 transmit, 1 transmit with an alert, 2 stop.
class AISSentenceOutsideGeofenceBehaviour : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceOutsideGeofenceBehaviour(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
