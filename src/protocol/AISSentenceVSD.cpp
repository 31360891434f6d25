#include "protocol/AISSentenceVSD.h"

#include "model/VesselData.h"
#include "protocol/NmeaSentence.h"

namespace {

constexpr int typeField = 1;
constexpr int destinationField = 4;
constexpr int destinationLength = 20;

} // namespace

AISSentenceVSD::AISSentenceVSD(VesselData* vesselData, QObject* parent)
    : AISSentence(vesselData, parent)
{
    setFormatter(QStringLiteral("VSD"));
}

QString AISSentenceVSD::writeSentence() const
{
    // $UPVSD,37,,,HOME PORT,,,,,*hh: type, draught, persons on board,
    // destination, ETA time, day and month, navigational status, regional flags.
    const VesselData* data = object<VesselData>();
    const QString none;
    return ownSentence(formatter(),
        { QString::number(data->vesselType()), none, none, NmeaSentence::escape(data->destination()), none,
            none, none, none, none });
}

int AISSentenceVSD::parseReply(const NmeaSentence& sentence)
{
    // $AIVSD,37,2.5,4,HOME PORT@@@@@@@@@@@,,,,,*hh
    int type = 0;
    if (!isDeviceSentence(sentence, formatter()) || !sentence.fieldInt(typeField, type)) {
        return ResultNotMine;
    }
    VesselData* data = object<VesselData>();
    data->setVesselType(type);
    QString destination;
    if (!sentence.fieldText(destinationField, destination)) {
        return ResultNotMine;
    }
    data->setDestination(cleanAisText(destination).left(destinationLength));
    return ResultStored;
}
