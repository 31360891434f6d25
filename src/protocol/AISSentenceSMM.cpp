#include "protocol/AISSentenceSMM.h"

#include "model/MMSI.h"
#include "protocol/NmeaSentence.h"

namespace {

constexpr int mmsiField = 3;

} // namespace

AISSentenceSMM::AISSentenceSMM(MMSI* mmsi, QObject* parent)
    : AISSentence(mmsi, parent)
{
    setFormatter(QStringLiteral("SMM"));
}

QString AISSentenceSMM::writeSentence() const
{
    // $UPSMM,C,,123456789,*hh
    return ownSentence(formatter(), { QStringLiteral("C"), QString(), object<MMSI>()->text(), QString() });
}

int AISSentenceSMM::parseReply(const NmeaSentence& sentence)
{
    // The MMSI stands in field 3, as in the write sentence.
    if (sentence.identifier() != formatter()) {
        return ResultOtherIdentifier;
    }
    if (sentence.talker() != deviceTalker()) {
        return ResultOtherTalker;
    }
    if (!sentence.isValid()) {
        return ResultInvalid;
    }
    QString text;
    if (!sentence.fieldText(mmsiField, text)) {
        return ResultNotMine;
    }
    object<MMSI>()->setText(text);
    return ResultStored;
}
