#include "protocol/AISSentenceLedSetting.h"

#include "model/Diagnostics.h"

AISSentenceLedSetting::AISSentenceLedSetting(Diagnostics* diagnostics, QObject* parent)
    : AISSentence(diagnostics, parent)
{
    setFormatter(QStringLiteral("LED"));
    setShellCommand(QStringLiteral("get_leds"), DiagnosticsDomain);
}

QString AISSentenceLedSetting::writeSentence() const
{
    return readOnlyWriteSentence();
}

int AISSentenceLedSetting::parseReply(const NmeaSentence& sentence)
{
    Diagnostics* diagnostics = object<Diagnostics>();
    return storeShellText(sentence, [diagnostics](const QString& text) { diagnostics->setLedStatus(text); });
}
