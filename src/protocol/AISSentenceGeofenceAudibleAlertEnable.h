#pragma once

#include "protocol/AISSentence.h"

class Alerts;

// The geofence buzzer mode. The device takes the buzzer's on and off times after the mode; they are fixed.
class AISSentenceGeofenceAudibleAlertEnable : public AISSentence {
    Q_OBJECT

public:
    explicit AISSentenceGeofenceAudibleAlertEnable(Alerts* alerts, QObject* parent = nullptr);

    QString writeSentence() const override;
    int parseReply(const NmeaSentence& sentence) override;
};
