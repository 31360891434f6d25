#include "protocol/AISSentenceSosAudibleAlertEnable.h"

#include "model/Alerts.h"

AISSentenceSosAudibleAlertEnable::AISSentenceSosAudibleAlertEnable(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("SBZ"));
    setShellCommand(QStringLiteral("getsosbuz"), ConfigurationDomain);
}

QString AISSentenceSosAudibleAlertEnable::writeSentence() const
{
    const Alerts* alerts = object<Alerts>();
    return shellWriteSentence(QStringLiteral("setsosbuz ") + QString::number(alerts->sosBuzzerMode())
        + QStringLiteral(", 2000, 2000"));
}

int AISSentenceSosAudibleAlertEnable::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellNumber(
        sentence, Decoding::Number, [alerts](int value) { alerts->setSosBuzzerMode(value); });
}
