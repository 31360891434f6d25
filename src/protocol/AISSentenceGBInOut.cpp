#include "protocol/AISSentenceGBInOut.h"

#include "model/GeoBoundary.h"

AISSentenceGBInOut::AISSentenceGBInOut(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("BLI"));
    setShellCommand(QStringLiteral("getabseatxin"), ConfigurationDomain);
}

QString AISSentenceGBInOut::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(QStringLiteral("setabseatxin ") + flagText(boundary->insideBoundary()));
}

int AISSentenceGBInOut::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(
        sentence, Decoding::StrictFlag, [boundary](int value) { boundary->setInsideBoundary(value != 0); });
}
