#include "protocol/AISSentenceBattVolt.h"

#include "model/Diagnostics.h"

AISSentenceBattVolt::AISSentenceBattVolt(Diagnostics* diagnostics, QObject* parent)
    : AISSentence(diagnostics, parent)
{
    setFormatter(QStringLiteral("GBV"));
    setShellCommand(QStringLiteral("battvolts"), DiagnosticsDomain);
}

QString AISSentenceBattVolt::writeSentence() const
{
    return readOnlyWriteSentence();
}

int AISSentenceBattVolt::parseReply(const NmeaSentence& sentence)
{
    Diagnostics* diagnostics = object<Diagnostics>();
    return storeShellText(
        sentence, [diagnostics](const QString& text) { diagnostics->setBatteryVoltage(text); });
}
