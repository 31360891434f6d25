#include "protocol/AISSentenceOperationalFenceEnabled.h"

#include "model/GeoBoundary.h"

AISSentenceOperationalFenceEnabled::AISSentenceOperationalFenceEnabled(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("OPE"));
    setShellCommand(QStringLiteral("getopfenceen"), ConfigurationDomain);
}

QString AISSentenceOperationalFenceEnabled::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(
        QStringLiteral("setopfenceen ") + flagText(boundary->operationalFenceEnabled()));
}

int AISSentenceOperationalFenceEnabled::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(sentence, Decoding::StrictFlag,
        [boundary](int value) { boundary->setOperationalFenceEnabled(value != 0); });
}
