#include "ais/AisMessage.h"

#include <cmath>

namespace {

// Rate of turn as sent is 4.733 times the square root of degrees per minute.
QJsonValue turnJson(int turn)
{
    switch (turn) {
    case -128:
        return QStringLiteral("nan");
    case -127:
        return QStringLiteral("fastleft");
    case 127:
        return QStringLiteral("fastright");
    default:
        const double root = turn / 4.733;
        return std::round(std::copysign(root * root, root));
    }
}

// Receivers read 102.2 knots as "102.2 knots or faster".
QJsonValue speedJson(const std::optional<double>& speed)
{
    if (!speed) {
        return QStringLiteral("nan");
    }
    return *speed >= 102.2 ? QJsonValue(QStringLiteral("fast")) : QJsonValue(*speed);
}

QString etaJson(const AisMessage& message)
{
    return QString::asprintf(
        "%02d-%02dT%02d:%02dZ", message.etaMonth, message.etaDay, message.etaHour, message.etaMinute);
}

// Values that are not available keep the numbers that say so, as receivers send them.
void addPosition(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("accuracy"), message.accuracy);
    json.insert(QStringLiteral("lon"), message.lon.value_or(181.0));
    json.insert(QStringLiteral("lat"), message.lat.value_or(91.0));
}

void addMotion(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("speed"), speedJson(message.speed));
    json.insert(QStringLiteral("course"), message.course.value_or(360.0));
    json.insert(QStringLiteral("heading"), message.heading.value_or(511));
    json.insert(QStringLiteral("second"), message.second);
}

void addDimensions(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("to_bow"), message.toBow);
    json.insert(QStringLiteral("to_stern"), message.toStern);
    json.insert(QStringLiteral("to_port"), message.toPort);
    json.insert(QStringLiteral("to_starboard"), message.toStarboard);
}

void addClassA(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("status"), message.status);
    json.insert(QStringLiteral("turn"), turnJson(message.turn));
    addPosition(message, json);
    addMotion(message, json);
    json.insert(QStringLiteral("maneuver"), message.maneuver);
    json.insert(QStringLiteral("raim"), message.raim);
    json.insert(QStringLiteral("radio"), static_cast<qint64>(message.radio));
}

void addStaticAndVoyage(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("imo"), static_cast<qint64>(message.imo));
    json.insert(QStringLiteral("ais_version"), message.aisVersion);
    json.insert(QStringLiteral("callsign"), message.callSign);
    json.insert(QStringLiteral("shipname"), message.shipName);
    json.insert(QStringLiteral("shiptype"), message.shipType);
    addDimensions(message, json);
    json.insert(QStringLiteral("epfd"), message.epfd);
    json.insert(QStringLiteral("eta"), etaJson(message));
    json.insert(QStringLiteral("draught"), message.draught);
    json.insert(QStringLiteral("destination"), message.destination);
    json.insert(QStringLiteral("dte"), message.dte ? 1 : 0);
}

void addClassB(const AisMessage& message, QJsonObject& json)
{
    addPosition(message, json);
    addMotion(message, json);
    json.insert(QStringLiteral("regional"), message.regional);
    json.insert(QStringLiteral("cs"), message.cs);
    json.insert(QStringLiteral("display"), message.display);
    json.insert(QStringLiteral("dsc"), message.dsc);
    json.insert(QStringLiteral("band"), message.band);
    json.insert(QStringLiteral("msg22"), message.msg22);
    json.insert(QStringLiteral("raim"), message.raim);
    json.insert(QStringLiteral("radio"), static_cast<qint64>(message.radio));
}

void addClassBExtended(const AisMessage& message, QJsonObject& json)
{
    addPosition(message, json);
    addMotion(message, json);
    json.insert(QStringLiteral("regional"), message.regional);
    json.insert(QStringLiteral("shipname"), message.shipName);
    json.insert(QStringLiteral("shiptype"), message.shipType);
    addDimensions(message, json);
    json.insert(QStringLiteral("epfd"), message.epfd);
    json.insert(QStringLiteral("raim"), message.raim);
    json.insert(QStringLiteral("dte"), message.dte ? 1 : 0);
    json.insert(QStringLiteral("assigned"), message.assigned);
}

void addAidToNavigation(const AisMessage& message, QJsonObject& json)
{
    json.insert(QStringLiteral("aid_type"), message.aidType);
    json.insert(QStringLiteral("name"), message.shipName);
    addPosition(message, json);
    addDimensions(message, json);
    json.insert(QStringLiteral("epfd"), message.epfd);
    json.insert(QStringLiteral("second"), message.second);
    json.insert(QStringLiteral("regional"), message.regional);
    json.insert(QStringLiteral("off_position"), message.offPosition);
    json.insert(QStringLiteral("raim"), message.raim);
    json.insert(QStringLiteral("virtual_aid"), message.virtualAid);
}

void addClassBStatic(const AisMessage& message, QJsonObject& json)
{
    if (message.part.isNull()) {
        return;
    }
    json.insert(QStringLiteral("part"), QString(message.part));
    if (message.part == QLatin1Char('A')) {
        json.insert(QStringLiteral("shipname"), message.shipName);
        return;
    }
    json.insert(QStringLiteral("shiptype"), message.shipType);
    json.insert(QStringLiteral("vendorid"), message.vendorId);
    json.insert(QStringLiteral("model"), message.model);
    json.insert(QStringLiteral("serial"), static_cast<qint64>(message.serial));
    json.insert(QStringLiteral("callsign"), message.callSign);
    if (message.mmsi / 10000000 == 98) {
        json.insert(QStringLiteral("mothership_mmsi"), static_cast<qint64>(message.mothershipMmsi));
    } else {
        addDimensions(message, json);
    }
}

} // namespace

QJsonObject AisMessage::ToJson() const
{
    QJsonObject json { { QStringLiteral("class"), QStringLiteral("AIS") }, { QStringLiteral("type"), type },
        { QStringLiteral("repeat"), repeat }, { QStringLiteral("mmsi"), static_cast<qint64>(mmsi) },
        { QStringLiteral("scaled"), true } };
    switch (type) {
    case 1:
    case 2:
    case 3:
        addClassA(*this, json);
        break;
    case 5:
        addStaticAndVoyage(*this, json);
        break;
    case 14:
        json.insert(QStringLiteral("text"), text);
        break;
    case 18:
        addClassB(*this, json);
        break;
    case 19:
        addClassBExtended(*this, json);
        break;
    case 21:
        addAidToNavigation(*this, json);
        break;
    case 24:
        addClassBStatic(*this, json);
        break;
    default:
        break;
    }
    return json;
}
