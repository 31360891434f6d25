#include "protocol/AISSentenceSosAlertEnable.h"

#include "model/Alerts.h"

AISSentenceSosAlertEnable::AISSentenceSosAlertEnable(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("SOS"));
    setShellCommand(QStringLiteral("getsosalerten"), ConfigurationDomain);
}

QString AISSentenceSosAlertEnable::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setsosalerten ") + flagText(alerts->sosAlertEnabled()));
}

int AISSentenceSosAlertEnable::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Flag, [alerts](int value) { alerts->setSosAlertEnabled(value != 0); });
}
