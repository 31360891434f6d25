#include "protocol/AISSentenceSSD.h"

#include "model/StaticData.h"
#include "protocol/NmeaSentence.h"

namespace {

constexpr int callSignLength = 7;
constexpr int vesselNameLength = 20;
constexpr int firstDimensionField = 3;

// An empty field leaves the device's text as it is; the text of nothing but
// "@", as the device itself reports it, makes it unset.
QString TextField(const QString& text, int length)
{
    return NmeaSentence::escape(text.isEmpty() ? QString(length, QLatin1Char('@')) : text);
}

} // namespace

AISSentenceSSD::AISSentenceSSD(StaticData* staticData, QObject* parent)
    : AISSentence(staticData, parent)
{
    setFormatter(QStringLiteral("SSD"));
}

QString AISSentenceSSD::writeSentence() const
{
    // $UPSSD,CALL1,MY BOAT,10,5,2,3,,AI*hh
    const StaticData* data = object<StaticData>();
    QStringList fields { TextField(data->callSign(), callSignLength),
        TextField(data->vesselName(), vesselNameLength) };
    for (int which = 0; which < StaticData::DimensionCount; ++which) {
        fields << QString::number(data->dimensionMetres(static_cast<StaticData::Dimension>(which)));
    }
    // An empty DTE indicator, then the source of the data.
    fields << QString() << deviceTalker();
    return ownSentence(formatter(), fields);
}

int AISSentenceSSD::parseReply(const NmeaSentence& sentence)
{
    // $AISSD,AB12@@@,MY BOAT@@@@@@@@@@@@@,10,5,2,3,0,AI*hh
    if (!isDeviceSentence(sentence, formatter())) {
        return ResultNotMine;
    }
    StaticData* data = object<StaticData>();
    QString text;
    if (!sentence.fieldText(1, text)) {
        return ResultNotMine;
    }
    data->setCallSign(cleanAisText(text).left(callSignLength));
    if (!sentence.fieldText(2, text)) {
        return ResultNotMine;
    }
    data->setVesselName(cleanAisText(text).left(vesselNameLength));
    for (int which = 0; which < StaticData::DimensionCount; ++which) {
        int metres = 0;
        if (!sentence.fieldInt(firstDimensionField + which, metres)) {
            return ResultNotMine;
        }
        data->setDimensionMetres(static_cast<StaticData::Dimension>(which), metres);
    }
    return ResultStored;
}
