#include "protocol/AISSentenceHalvexFenceEnabled.h"

#include "model/GeoBoundary.h"

AISSentenceHalvexFenceEnabled::AISSentenceHalvexFenceEnabled(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("SFE"));
    setShellCommand(QStringLiteral("getsatfenceen"), ConfigurationDomain);
}

QString AISSentenceHalvexFenceEnabled::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(QStringLiteral("setsatfenceen ") + flagText(boundary->halvexFenceEnabled()));
}

int AISSentenceHalvexFenceEnabled::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(sentence, Decoding::StrictFlag,
        [boundary](int value) { boundary->setHalvexFenceEnabled(value != 0); });
}
