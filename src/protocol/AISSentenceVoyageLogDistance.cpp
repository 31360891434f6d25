#include "protocol/AISSentenceVoyageLogDistance.h"

#include "model/VoyageLog.h"

AISSentenceVoyageLogDistance::AISSentenceVoyageLogDistance(VoyageLog* voyageLog, QObject* parent)
    : AISSentence(voyageLog, parent)
{
    setFormatter(QStringLiteral("VOY"));
    setShellCommand(QStringLiteral("getlogdist"), ConfigurationDomain);
}

QString AISSentenceVoyageLogDistance::writeSentence() const
{
    const VoyageLog* voyageLog = object<VoyageLog>();
    return shellWriteSentence(QStringLiteral("setlogdist ") + QString::number(voyageLog->logDistance()));
}

int AISSentenceVoyageLogDistance::parseReply(const NmeaSentence& sentence)
{
    VoyageLog* voyageLog = object<VoyageLog>();
    return storeShellNumber(
        sentence, Decoding::Number, [voyageLog](int value) { voyageLog->setLogDistance(value); });
}
