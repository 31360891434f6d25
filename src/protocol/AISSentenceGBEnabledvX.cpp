#include "protocol/AISSentenceGBEnabledvX.h"

#include "model/GeoBoundary.h"

AISSentenceGBEnabledvX::AISSentenceGBEnabledvX(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("BLX"));
    setShellCommand(QStringLiteral("gethalvexen"), ConfigurationDomain);
}

QString AISSentenceGBEnabledvX::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(QStringLiteral("sethalvexen ") + flagText(boundary->boundaryEnabled()), 1);
}

int AISSentenceGBEnabledvX::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(
        sentence, Decoding::StrictFlag, [boundary](int value) { boundary->setBoundaryEnabled(value != 0); });
}
