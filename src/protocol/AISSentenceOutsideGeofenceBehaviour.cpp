#include "protocol/AISSentenceOutsideGeofenceBehaviour.h"

#include "model/Alerts.h"

AISSentenceOutsideGeofenceBehaviour::AISSentenceOutsideGeofenceBehaviour(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("GEO"));
    setShellCommand(QStringLiteral("getoutgeo"), ConfigurationDomain);
}

QString AISSentenceOutsideGeofenceBehaviour::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setoutgeo ") + QString::number(alerts->outsideGeofenceMode()));
}

int AISSentenceOutsideGeofenceBehaviour::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Behaviour, [alerts](int value) { alerts->setOutsideGeofenceMode(value); });
}
