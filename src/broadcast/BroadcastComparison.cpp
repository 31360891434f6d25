#include "broadcast/BroadcastComparison.h"

#include "ais/AisDecoder.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>

namespace {

bool OneOf(int type, std::initializer_list<int> types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

QString Angle(double degrees, int decimals, const QString& positive, const QString& negative)
{
    return QStringLiteral("%1° %2").arg(
        QLocale().toString(qAbs(degrees), 'f', decimals), degrees < 0 ? negative : positive);
}

} // namespace

BroadcastComparison::BroadcastComparison(const AisMessage& message, const BroadcastSettings* settings)
    : m_message(message)
    , m_compared(message.own && settings)
    , m_held(m_compared ? *settings : BroadcastSettings())
{
}

QList<BroadcastField> BroadcastComparison::Compare(
    const AisMessage& message, const BroadcastSettings* settings)
{
    BroadcastComparison comparison(message, settings);
    comparison.AddIdentity();
    comparison.AddVessel();
    comparison.AddMotion();
    return comparison.m_fields;
}

QString BroadcastComparison::TypeName(const AisMessage& message)
{
    QString name;
    switch (message.type) {
    case 1:
    case 2:
    case 3:
        name = tr("Position report, class A");
        break;
    case 5:
        name = tr("Static and voyage data");
        break;
    case 12:
    case 14:
        name = tr("Safety message");
        break;
    case 18:
        name = tr("Position report, class B");
        break;
    case 19:
        name = tr("Extended position report, class B");
        break;
    case 21:
        name = tr("Aid to navigation report");
        break;
    case 24:
        name = message.part == QLatin1Char('B') ? tr("Static data, part B") : tr("Static data, part A");
        break;
    default:
        name = tr("Message");
        break;
    }
    return QStringLiteral("%1 (%2)").arg(name).arg(message.type);
}

QString BroadcastComparison::Line(const AisMessage& message)
{
    QStringList words;
    for (const BroadcastField& field : Compare(message, nullptr))
        words << QStringLiteral("%1 %2").arg(field.label, field.broadcast);
    return TypeName(message) + QStringLiteral(": ") + words.join(QStringLiteral("; "));
}

void BroadcastComparison::AddIdentity()
{
    Add(tr("MMSI"), QStringLiteral("%1").arg(m_message.mmsi, 9, 10, QLatin1Char('0')), !m_held.mmsi.isEmpty(),
        m_held.mmsi);
    const int type = m_message.type;
    const bool partA = type == 24 && m_message.part != QLatin1Char('B');
    const bool partB = type == 24 && m_message.part == QLatin1Char('B');
    if (OneOf(type, { 5, 19, 21 }) || partA)
        Add(tr("Name"), m_message.shipName, m_held.vesselRead, m_held.name);
    if (type == 5 || partB)
        Add(tr("Call sign"), m_message.callSign, m_held.vesselRead, m_held.callSign);
    if (OneOf(type, { 12, 14 }))
        Add(tr("Safety text"), m_message.text, m_held.safetyTextRead, m_held.safetyText);
}

void BroadcastComparison::AddVessel()
{
    const int type = m_message.type;
    if (!OneOf(type, { 5, 19, 21 }) && !(type == 24 && m_message.part == QLatin1Char('B')))
        return;
    const bool read = m_held.vesselRead;
    if (type != 21)
        Add(tr("Vessel type"), ShipType(m_message.shipType), read, ShipType(m_held.shipType));
    const int broadcast[] = { m_message.toBow, m_message.toStern, m_message.toPort, m_message.toStarboard };
    const QString labels[] = { tr("Dimension A (bow)"), tr("Dimension B (stern)"), tr("Dimension C (port)"),
        tr("Dimension D (starboard)") };
    for (int which = 0; which < 4; ++which)
        Add(labels[which], tr("%1 m").arg(broadcast[which]), read, tr("%1 m").arg(m_held.dimensions[which]));
    if (type == 5)
        Add(tr("Destination"), m_message.destination, read, m_held.destination);
}

void BroadcastComparison::AddMotion()
{
    const int type = m_message.type;
    if (!OneOf(type, { 1, 2, 3, 18, 19, 21 }))
        return;
    AddShown(tr("Position"), Position(m_message.lat, m_message.lon));
    if (type == 21)
        return;
    const QString notAvailable = tr("not available");
    AddShown(tr("Speed"),
        m_message.speed ? tr("%1 kn").arg(QLocale().toString(*m_message.speed, 'f', 1)) : notAvailable);
    AddShown(tr("Course"),
        m_message.course ? QStringLiteral("%1°").arg(QLocale().toString(*m_message.course, 'f', 1))
                         : notAvailable);
    AddShown(tr("Heading"), m_message.heading ? QStringLiteral("%1°").arg(*m_message.heading) : notAvailable);
}

// Values are compared as shown: each side went through the same words.
void BroadcastComparison::Add(
    const QString& label, const QString& broadcast, bool read, const QString& configured)
{
    BroadcastField field { label, broadcast, QString(), false, QString() };
    if (m_compared && !read) {
        field.configured = tr("not read");
    } else if (m_compared) {
        field.configured = configured;
        field.differs = broadcast != configured;
    }
    if (field.differs)
        field.note = tr("%1: the device broadcasts \"%2\", its settings say \"%3\".")
                         .arg(label, broadcast, configured);
    m_fields << field;
}

void BroadcastComparison::AddShown(const QString& label, const QString& broadcast)
{
    m_fields << BroadcastField { label, broadcast, QString(), false, QString() };
}

QString BroadcastComparison::Position(const std::optional<double>& lat, const std::optional<double>& lon)
{
    if (!lat || !lon)
        return tr("not available");
    return Angle(*lat, 5, tr("N"), tr("S")) + QStringLiteral(", ") + Angle(*lon, 5, tr("E"), tr("W"));
}

QString BroadcastComparison::ShipType(int shipType)
{
    return QStringLiteral("%1 %2").arg(shipType).arg(AisDecoder::ShipTypeName(shipType));
}
