#include "protocol/AISSentencePowerBoxEnable.h"

#include "model/Alerts.h"

AISSentencePowerBoxEnable::AISSentencePowerBoxEnable(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("PBE"));
    setShellCommand(QStringLiteral("getboxen"), ConfigurationDomain);
}

QString AISSentencePowerBoxEnable::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("pwrboxen ") + flagText(alerts->powerBoxEnabled()), 1);
}

int AISSentencePowerBoxEnable::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Flag, [alerts](int value) { alerts->setPowerBoxEnabled(value != 0); });
}
