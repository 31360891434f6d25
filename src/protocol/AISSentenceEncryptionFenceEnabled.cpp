#include "protocol/AISSentenceEncryptionFenceEnabled.h"

#include "model/GeoBoundary.h"

AISSentenceEncryptionFenceEnabled::AISSentenceEncryptionFenceEnabled(GeoBoundary* boundary, QObject* parent)
    : AISSentence(boundary, parent)
{
    setFormatter(QStringLiteral("EFE"));
    setShellCommand(QStringLiteral("getencfenceen"), ConfigurationDomain);
}

QString AISSentenceEncryptionFenceEnabled::writeSentence() const
{
    const GeoBoundary* boundary = object<GeoBoundary>();
    return shellWriteSentence(
        QStringLiteral("setencfenceen ") + flagText(boundary->encryptionFenceEnabled()));
}

int AISSentenceEncryptionFenceEnabled::parseReply(const NmeaSentence& sentence)
{
    GeoBoundary* boundary = object<GeoBoundary>();
    return storeShellNumber(sentence, Decoding::StrictFlag,
        [boundary](int value) { boundary->setEncryptionFenceEnabled(value != 0); });
}
