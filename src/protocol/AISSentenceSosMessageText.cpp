#include "protocol/AISSentenceSosMessageText.h"

#include "model/Alerts.h"

namespace {

// The device's placeholder text reads as the program's default message.
const QString factoryText = QStringLiteral("TESTING ONLY!");
const QString distressText = QStringLiteral("MAYDAY MAYDAY");

} // namespace

AISSentenceSosMessageText::AISSentenceSosMessageText(Alerts* alerts, QObject* parent)
    : AISSentence(alerts, parent)
{
    setFormatter(QStringLiteral("ZZZ"));
    setShellCommand(QStringLiteral("getsosmsgtxt"), ConfigurationDomain, 2);
}

QString AISSentenceSosMessageText::writeSentence() const
{
    return shellWriteSentence(
        QStringLiteral("setsosmsgtxt \"") + object<Alerts>()->sosMessage() + QLatin1Char('"'));
}

int AISSentenceSosMessageText::parseReply(const NmeaSentence& sentence)
{
    Alerts* alerts = object<Alerts>();
    return storeShellText(sentence,
        [alerts](const QString& text) { alerts->setSosMessage(text == factoryText ? distressText : text); });
}
