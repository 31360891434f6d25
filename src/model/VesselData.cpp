#include "model/VesselData.h"

namespace {

struct VesselType {
    int code;
    const char* text;
};

const VesselType vesselTypes[] = {
    { 30, QT_TRANSLATE_NOOP("VesselData", "30 = Vessel - Fishing") },
    { 31, QT_TRANSLATE_NOOP("VesselData", "31 = Vessel - Towing") },
    { 32,
        QT_TRANSLATE_NOOP("VesselData",
            "32 = Vessel - Towing and length of the tow exceeds 200 m or breadth exceeds 25 m") },
    { 33, QT_TRANSLATE_NOOP("VesselData", "33 = Vessel - Engaged in dredging or underwater operations") },
    { 34, QT_TRANSLATE_NOOP("VesselData", "34 = Vessel - Engaged in diving operations") },
    { 35, QT_TRANSLATE_NOOP("VesselData", "35 = Vessel - Engaged in military operations") },
    { 36, QT_TRANSLATE_NOOP("VesselData", "36 = Vessel - Sailing") },
    { 37, QT_TRANSLATE_NOOP("VesselData", "37 = Vessel - Pleasure craft") },
    { 38, QT_TRANSLATE_NOOP("VesselData", "38 = Vessel - Reserved for future use") },
    { 39, QT_TRANSLATE_NOOP("VesselData", "39 = Vessel - Reserved for future use") },
    { 50, QT_TRANSLATE_NOOP("VesselData", "50 = Pilot vessel") },
    { 51, QT_TRANSLATE_NOOP("VesselData", "51 = Search and rescue vessels") },
    { 52, QT_TRANSLATE_NOOP("VesselData", "52 = Tugs") },
    { 53, QT_TRANSLATE_NOOP("VesselData", "53 = Port tenders") },
    { 54, QT_TRANSLATE_NOOP("VesselData", "54 = Vessels with anti-pollution facilities or equipment") },
    { 55, QT_TRANSLATE_NOOP("VesselData", "55 = Law enforcement vessels") },
    { 56, QT_TRANSLATE_NOOP("VesselData", "56 = Spare - for assignments to local vessels") },
    { 57, QT_TRANSLATE_NOOP("VesselData", "57 = Spare - for assignments to local vessels") },
    { 58,
        QT_TRANSLATE_NOOP("VesselData",
            "58 = Medical transports (as defined in the 1949 Geneva Conventions and Additional Protocols)") },
    { 59, QT_TRANSLATE_NOOP("VesselData", "59 = Ships according to RR Resolution No. 18 (Mob-83)") },
    { 60, QT_TRANSLATE_NOOP("VesselData", "60 = Passenger ship") },
    { 70, QT_TRANSLATE_NOOP("VesselData", "70 = Cargo ship") },
    { 80, QT_TRANSLATE_NOOP("VesselData", "80 = Tanker") },
    { VesselData::TypeNotSpecified, QT_TRANSLATE_NOOP("VesselData", "<Not specified>") },
};

} // namespace

// What is sent until the device's own destination has been read: a device
// value, the same in every language.
VesselData::VesselData()
    : m_destination(QStringLiteral("UNKNOWN"))
{
}

void VesselData::reset()
{
    *this = VesselData();
}

QString VesselData::vesselTypeText(int code)
{
    for (const VesselType& type : vesselTypes) {
        if (type.code == code) {
            return tr(type.text);
        }
    }
    return QString();
}
