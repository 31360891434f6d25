#include "protocol/AISSentenceInsideGeofenceBehaviour.h"

#include "model/Alerts.h"

AISSentenceInsideGeofenceBehaviour::AISSentenceInsideGeofenceBehaviour(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("GEO"));
    setShellCommand(QStringLiteral("getingeo"), ConfigurationDomain);
}

QString AISSentenceInsideGeofenceBehaviour::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setingeo ") + QString::number(alerts->insideGeofenceMode()));
}

int AISSentenceInsideGeofenceBehaviour::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Behaviour, [alerts](int value) { alerts->setInsideGeofenceMode(value); });
}
