#include "protocol/AISSentenceGBEnabled.h"

#include "model/GeoBoundary.h"

AISSentenceGBEnabled::AISSentenceGBEnabled(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("BLE"));
    setShellCommand(QStringLiteral("getabseaenable"), ConfigurationDomain);
}

QString AISSentenceGBEnabled::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(QStringLiteral("setabseaenable ") + flagText(boundary->boundaryEnabled()), 1);
}

int AISSentenceGBEnabled::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(
        sentence, Decoding::StrictFlag, [boundary](int value) { boundary->setBoundaryEnabled(value != 0); });
}
