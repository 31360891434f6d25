#include "protocol/AISSentencePowerBoxSetting.h"

#include "model/Diagnostics.h"

AISSentencePowerBoxSetting::AISSentencePowerBoxSetting(Diagnostics* diagnostics, QObject* parent)
    : AISSentence(diagnostics, parent)
{
    setFormatter(QStringLiteral("GPB"));
    setShellCommand(QStringLiteral("getboxen"), DiagnosticsDomain);
}

QString AISSentencePowerBoxSetting::writeSentence() const
{
    return readOnlyWriteSentence();
}

int AISSentencePowerBoxSetting::parseReply(const NmeaSentence& sentence)
{
    Diagnostics* diagnostics = object<Diagnostics>();
    return storeShellText(
        sentence, [diagnostics](const QString& text) { diagnostics->setPowerBoxStatus(text); });
}
