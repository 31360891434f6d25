#include "protocol/AISSentenceGeofenceAudibleAlertEnable.h"

#include "model/Alerts.h"

AISSentenceGeofenceAudibleAlertEnable::AISSentenceGeofenceAudibleAlertEnable(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("GBZ"));
    setShellCommand(QStringLiteral("getgeobuz"), ConfigurationDomain);
}

QString AISSentenceGeofenceAudibleAlertEnable::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setgeobuz ") + QString::number(alerts->geofenceBuzzerMode())
        + QStringLiteral(", 4000, 4000"));
}

int AISSentenceGeofenceAudibleAlertEnable::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Number, [alerts](int value) { alerts->setGeofenceBuzzerMode(value); });
}
