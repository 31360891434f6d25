#include "protocol/AISSentenceOffBracketBehaviour.h"

#include "model/Alerts.h"

AISSentenceOffBracketBehaviour::AISSentenceOffBracketBehaviour(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("BRK"));
    setShellCommand(QStringLiteral("getnoidmode"), ConfigurationDomain);
}

QString AISSentenceOffBracketBehaviour::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setnoidmode ") + QString::number(alerts->offBracketMode()));
}

int AISSentenceOffBracketBehaviour::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Flag, [alerts](int value) { alerts->setOffBracketMode(value); });
}
