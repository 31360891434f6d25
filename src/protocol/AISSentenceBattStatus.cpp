#include "protocol/AISSentenceBattStatus.h"

#include "model/Diagnostics.h"

AISSentenceBattStatus::AISSentenceBattStatus(Diagnostics* diagnostics, QObject* parent)
    : AISSentence(diagnostics, parent)
{
    setFormatter(QStringLiteral("GBS"));
    setShellCommand(QStringLiteral("batt"), DiagnosticsDomain);
}

QString AISSentenceBattStatus::writeSentence() const
{
    return readOnlyWriteSentence();
}

int AISSentenceBattStatus::parseReply(const NmeaSentence& sentence)
{
    Diagnostics* diagnostics = object<Diagnostics>();
    return storeShellText(
        sentence, [diagnostics](const QString& text) { diagnostics->setBatteryStatus(text); });
}
