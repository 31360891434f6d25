#include "protocol/AISSentenceBracketErrorBehaviour.h"

#include "model/Alerts.h"

AISSentenceBracketErrorBehaviour::AISSentenceBracketErrorBehaviour(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("BRK"));
    setShellCommand(QStringLiteral("getiderrmode"), ConfigurationDomain);
}

QString AISSentenceBracketErrorBehaviour::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setiderrmode ") + QString::number(alerts->bracketErrorMode()));
}

int AISSentenceBracketErrorBehaviour::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Flag, [alerts](int value) { alerts->setBracketErrorMode(value); });
}
