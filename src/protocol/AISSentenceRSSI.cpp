#include "protocol/AISSentenceRSSI.h"

#include "model/Diagnostics.h"

AISSentenceRSSI::AISSentenceRSSI(Diagnostics* diagnostics, QObject* parent)
    : AISSentence(diagnostics, parent)
{
    setFormatter(QStringLiteral("GRI"));
    setShellCommand(QStringLiteral("rssi"), DiagnosticsDomain);
}

QString AISSentenceRSSI::writeSentence() const
{
    return readOnlyWriteSentence();
}

int AISSentenceRSSI::parseReply(const NmeaSentence& sentence)
{
    return storeShellText(sentence, [](const QString&) {});
}
