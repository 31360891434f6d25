#include "protocol/AISSentencePowerBoxAlertEnable.h"

#include "model/Alerts.h"

AISSentencePowerBoxAlertEnable::AISSentencePowerBoxAlertEnable(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("PWR"));
    setShellCommand(QStringLiteral("getpwralerten"), ConfigurationDomain);
}

QString AISSentencePowerBoxAlertEnable::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setpwralerten ") + flagText(alerts->powerBoxAlertEnabled()));
}

int AISSentencePowerBoxAlertEnable::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Flag, [alerts](int value) { alerts->setPowerBoxAlertEnabled(value != 0); });
}
