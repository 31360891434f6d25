#include "profile/ProfileSetting.h"

#include "model/SettingRules.h"
#include "profile/Profile.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int firstGeneration = (1 << 1) | (1 << 2);
constexpr int laterGeneration = 1 << 4;
constexpr int allGenerations = firstGeneration | laterGeneration;
// Only the second type of the first generation lets the user switch SBAS.
constexpr int sbasGenerations = (1 << 2) | laterGeneration;

QString NotSet()
{
    return ProfileSetting::tr("(not set)");
}

QString Text(const QVariant& value)
{
    const QString text = value.toString();
    return SettingRules::IsUnsetText(text) ? NotSet() : text;
}

QString OnOff(const QVariant& value)
{
    return value.toBool() ? ProfileSetting::tr("on") : ProfileSetting::tr("off");
}

// Numbers are shown in the reader's locale, without group separators, as
// the pages show them.
QLocale ShownLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

ProfileSetting::Shower WithUnit(const QString& unit)
{
    return [unit](const QVariant& value) {
        return ShownLocale().toString(value.toDouble(), 'g', 12) + QLatin1Char(' ') + unit;
    };
}

// Whole metres, rounded half up, as the device is sent them.
QString WholeMetresShown(const QVariant& value)
{
    return ShownLocale().toString(std::floor(value.toDouble() + 0.5), 'f', 0) + QStringLiteral(" m");
}

QString MegaHertz(const QVariant& value)
{
    return ShownLocale().toString(value.toInt() / 1e6, 'f', 3) + QStringLiteral(" MHz");
}

QString VesselType(const QVariant& value)
{
    if (value.toInt() == VesselData::TypeNotAvailable) {
        return NotSet();
    }
    const QString text = VesselData::vesselTypeText(value.toInt());
    return text.isEmpty() ? value.toString() : text;
}

ProfileSetting::Shower Choice(const QStringList& words)
{
    return [words](const QVariant& value) {
        const int index = value.toInt();
        return index >= 0 && index < words.size() ? words.at(index) : value.toString();
    };
}

ProfileSetting::Checker Range(const ProfileSetting::Getter& get, double lowest, double highest)
{
    return [get, lowest, highest](
               const Profile& p) { return SettingRules::RangeProblem(get(p).toDouble(), lowest, highest); };
}

ProfileSetting::Checker AisText(const ProfileSetting::Getter& get, int maxLength)
{
    return [get, maxLength](
               const Profile& p) { return SettingRules::AisTextProblem(get(p).toString(), maxLength); };
}

ProfileSetting::Checker SendableText(const ProfileSetting::Getter& get, int maxLength)
{
    return [get, maxLength](
               const Profile& p) { return SettingRules::SendableTextProblem(get(p).toString(), maxLength); };
}

// Rules relative to the position interval say nothing while it is bad itself;
// it is reported on its own.
bool PositionIntervalGood(const Profile& p)
{
    return SettingRules::ReportIntervalProblem(p.messages().positionInterval(), Messages::ReportIntervalCount)
        .isEmpty();
}

QString NoProblem(const Profile&)
{
    return QString();
}

ProfileSetting Flag(const QString& section, const QString& key, const QString& name, int generations,
    ProfileSetting::Getter get, ProfileSetting::Setter set)
{
    return { section, key, name, ProfileSetting::Kind::Flag, generations, false, std::move(get),
        std::move(set), NoProblem, OnOff, NoProblem };
}

ProfileSetting Mode(const QString& section, const QString& key, const QString& name, int generations,
    const QStringList& words, ProfileSetting::Getter get, ProfileSetting::Setter set)
{
    const ProfileSetting::Checker check = Range(get, 0, words.size() - 1);
    return { section, key, name, ProfileSetting::Kind::Whole, generations, false, std::move(get),
        std::move(set), check, Choice(words), NoProblem };
}

// The page shows whole metres, rounded half up, and the sentence carries them.
ProfileSetting::Checker WholeMetres(StaticData::Dimension which, int maxMetres)
{
    return [which, maxMetres](const Profile& p) {
        const float metres = p.staticData().dimension(which);
        if (metres >= 0 && std::floor(metres + 0.5) <= maxMetres) {
            return QString();
        }
        // The float to the digits it holds: -0.4 as written, not
        // -0.400000006.
        const double written
            = QString::number(metres, 'g', std::numeric_limits<float>::digits10 + 1).toDouble();
        return SettingRules::RangeProblem(written, 0, maxMetres);
    };
}

ProfileSetting Dimension(
    const QString& key, const QString& name, StaticData::Dimension which, int maxMetres, int fieldMetres)
{
    const ProfileSetting::Getter get = [which](const Profile& p) {
        return QVariant(static_cast<double>(p.staticData().dimension(which)));
    };
    return { QStringLiteral("vessel"), key, name, ProfileSetting::Kind::Decimal, allGenerations, false, get,
        [which](Profile& p, const QVariant& v) {
            p.staticData().setDimension(which, static_cast<float>(v.toDouble()));
        },
        WholeMetres(which, maxMetres), WholeMetresShown, WholeMetres(which, fieldMetres) };
}

std::vector<ProfileSetting> VesselSettings()
{
    const QString vessel = QStringLiteral("vessel");
    const ProfileSetting::Getter mmsi = [](const Profile& p) { return QVariant(p.mmsi().text()); };
    // Nine digits are all the sentence carries.
    const ProfileSetting::Checker mmsiProblem
        = [mmsi](const Profile& p) { return SettingRules::MmsiProblem(mmsi(p).toString()); };
    const ProfileSetting::Getter name
        = [](const Profile& p) { return QVariant(p.staticData().vesselName()); };
    const ProfileSetting::Getter callSign
        = [](const Profile& p) { return QVariant(p.staticData().callSign()); };
    const ProfileSetting::Getter type
        = [](const Profile& p) { return QVariant(p.vesselData().vesselType()); };
    return {
        { vessel, QStringLiteral("mmsi"), ProfileSetting::tr("Vessel: MMSI"), ProfileSetting::Kind::Text,
            allGenerations, true, mmsi, [](Profile& p, const QVariant& v) { p.mmsi().setText(v.toString()); },
            mmsiProblem, Text, mmsiProblem },
        { vessel, QStringLiteral("name"), ProfileSetting::tr("Vessel: name"), ProfileSetting::Kind::Text,
            allGenerations, false, name,
            [](Profile& p, const QVariant& v) { p.staticData().setVesselName(v.toString()); },
            AisText(name, SettingRules::VesselNameLength), Text,
            SendableText(name, SettingRules::VesselNameLength) },
        { vessel, QStringLiteral("callSign"), ProfileSetting::tr("Vessel: call sign"),
            ProfileSetting::Kind::Text, allGenerations, false, callSign,
            [](Profile& p, const QVariant& v) { p.staticData().setCallSign(v.toString()); },
            AisText(callSign, SettingRules::CallSignLength), Text,
            SendableText(callSign, SettingRules::CallSignLength) },
        { vessel, QStringLiteral("type"), ProfileSetting::tr("Vessel: type"), ProfileSetting::Kind::Whole,
            allGenerations, false, type,
            [](Profile& p, const QVariant& v) { p.vesselData().setVesselType(v.toInt()); },
            [type](const Profile& p) { return SettingRules::VesselTypeProblem(type(p).toInt()); }, VesselType,
            Range(type, VesselData::TypeNotSpecified, SettingRules::VesselTypeMax) },
        Dimension(QStringLiteral("dimensionA"), ProfileSetting::tr("Vessel: dimension A (to bow)"),
            StaticData::DimensionA, SettingRules::LengthMaxMetres, SettingRules::LengthFieldMax),
        Dimension(QStringLiteral("dimensionB"), ProfileSetting::tr("Vessel: dimension B (to stern)"),
            StaticData::DimensionB, SettingRules::LengthMaxMetres, SettingRules::LengthFieldMax),
        Dimension(QStringLiteral("dimensionC"), ProfileSetting::tr("Vessel: dimension C (to port)"),
            StaticData::DimensionC, SettingRules::BeamMaxMetres, SettingRules::BeamFieldMax),
        Dimension(QStringLiteral("dimensionD"), ProfileSetting::tr("Vessel: dimension D (to starboard)"),
            StaticData::DimensionD, SettingRules::BeamMaxMetres, SettingRules::BeamFieldMax),
    };
}

ProfileSetting Frequency(const QString& key, const QString& name, bool channelA)
{
    const ProfileSetting::Getter get = [channelA](const Profile& p) {
        return QVariant(channelA ? p.messages().channelAFrequency() : p.messages().channelBFrequency());
    };
    return { QStringLiteral("messages"), key, name, ProfileSetting::Kind::Whole, allGenerations, false, get,
        [channelA](Profile& p, const QVariant& v) {
            if (channelA)
                p.messages().setChannelAFrequency(v.toInt());
            else
                p.messages().setChannelBFrequency(v.toInt());
        },
        Range(get, SettingRules::FrequencyMinHz, SettingRules::FrequencyMaxHz), MegaHertz, NoProblem };
}

std::vector<ProfileSetting> MessageSettings()
{
    const QString messages = QStringLiteral("messages");
    const ProfileSetting::Getter position
        = [](const Profile& p) { return QVariant(p.messages().positionInterval()); };
    const ProfileSetting::Getter sog = [](const Profile& p) { return QVariant(p.messages().highRateSog()); };
    const ProfileSetting::Getter highRate
        = [](const Profile& p) { return QVariant(p.messages().highRateInterval()); };
    return {
        { messages, QStringLiteral("positionInterval"), ProfileSetting::tr("AIS messages: position interval"),
            ProfileSetting::Kind::Whole, allGenerations, false, position,
            [](Profile& p, const QVariant& v) { p.messages().setPositionInterval(v.toInt()); },
            [position](const Profile& p) {
                return SettingRules::ReportIntervalProblem(
                    position(p).toInt(), Messages::ReportIntervalCount);
            },
            WithUnit(QStringLiteral("s")), NoProblem },
        Flag(
            messages, QStringLiteral("highRateEnabled"),
            ProfileSetting::tr("AIS messages: high-rate reporting"), allGenerations,
            [](const Profile& p) { return QVariant(p.messages().highRateEnabled()); },
            [](Profile& p, const QVariant& v) { p.messages().setHighRateEnabled(v.toBool()); }),
        { messages, QStringLiteral("highRateSog"), ProfileSetting::tr("AIS messages: high-rate SOG"),
            ProfileSetting::Kind::Whole, allGenerations, false, sog,
            [](Profile& p, const QVariant& v) { p.messages().setHighRateSog(v.toInt()); },
            Range(sog, SettingRules::HighRateSogMin, SettingRules::HighRateSogMax),
            WithUnit(QStringLiteral("kn")), NoProblem },
        { messages, QStringLiteral("highRateInterval"),
            ProfileSetting::tr("AIS messages: high-rate interval"), ProfileSetting::Kind::Whole,
            allGenerations, false, highRate,
            [](Profile& p, const QVariant& v) { p.messages().setHighRateInterval(v.toInt()); },
            [highRate](const Profile& p) {
                const QString listed = SettingRules::ReportIntervalProblem(
                    highRate(p).toInt(), SettingRules::HighRateIntervalCount);
                if (!listed.isEmpty() || !PositionIntervalGood(p))
                    return listed;
                return SettingRules::HighRateIntervalProblem(p.messages().highRateEnabled(),
                    p.messages().highRateInterval(), p.messages().positionInterval());
            },
            WithUnit(QStringLiteral("s")), NoProblem },
        Frequency(QStringLiteral("channelAFrequency"), ProfileSetting::tr("AIS messages: frequency A"), true),
        Flag(
            messages, QStringLiteral("channelBEnabled"), ProfileSetting::tr("AIS messages: channel B"),
            allGenerations, [](const Profile& p) { return QVariant(p.messages().channelBEnabled()); },
            [](Profile& p, const QVariant& v) { p.messages().setChannelBEnabled(v.toBool()); }),
        Frequency(
            QStringLiteral("channelBFrequency"), ProfileSetting::tr("AIS messages: frequency B"), false),
    };
}

std::vector<ProfileSetting> ControlSettings()
{
    const QString control = QStringLiteral("control");
    const QStringList bracket
        = { ProfileSetting::tr("stop transmission"), ProfileSetting::tr("transmit with alert") };
    const QStringList geofence = { ProfileSetting::tr("transmit normally"),
        ProfileSetting::tr("transmit with alert"), ProfileSetting::tr("stop transmission") };
    const QStringList audible = { ProfileSetting::tr("disabled"), ProfileSetting::tr("always"),
        ProfileSetting::tr("with vessel power") };
    const ProfileSetting::Getter sos = [](const Profile& p) { return QVariant(p.alerts().sosMessage()); };
    return {
        Mode(
            control, QStringLiteral("bracketError"), ProfileSetting::tr("Control: bracket error"),
            allGenerations, bracket, [](const Profile& p) { return QVariant(p.alerts().bracketErrorMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setBracketErrorMode(v.toInt()); }),
        Mode(
            control, QStringLiteral("offBracket"), ProfileSetting::tr("Control: off-bracket"), allGenerations,
            bracket, [](const Profile& p) { return QVariant(p.alerts().offBracketMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setOffBracketMode(v.toInt()); }),
        Flag(
            control, QStringLiteral("sosAlertEnabled"), ProfileSetting::tr("Control: SOS alert"),
            allGenerations, [](const Profile& p) { return QVariant(p.alerts().sosAlertEnabled()); },
            [](Profile& p, const QVariant& v) { p.alerts().setSosAlertEnabled(v.toBool()); }),
        { control, QStringLiteral("sosMessage"), ProfileSetting::tr("Control: SOS message"),
            ProfileSetting::Kind::Text, allGenerations, false, sos,
            [](Profile& p, const QVariant& v) { p.alerts().setSosMessage(v.toString()); },
            AisText(sos, SettingRules::SosMessageLength), Text,
            SendableText(sos, SettingRules::SosMessageFieldLength) },
        Mode(
            control, QStringLiteral("sosAudibleAlert"), ProfileSetting::tr("Control: SOS audible alert"),
            allGenerations, audible, [](const Profile& p) { return QVariant(p.alerts().sosBuzzerMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setSosBuzzerMode(v.toInt()); }),
        Mode(
            control, QStringLiteral("geofenceAudibleAlert"),
            ProfileSetting::tr("Control: geofence audible alert"), allGenerations, audible,
            [](const Profile& p) { return QVariant(p.alerts().geofenceBuzzerMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setGeofenceBuzzerMode(v.toInt()); }),
        Mode(
            control, QStringLiteral("insideGeofence"), ProfileSetting::tr("Control: inside geofence"),
            firstGeneration, geofence,
            [](const Profile& p) { return QVariant(p.alerts().insideGeofenceMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setInsideGeofenceMode(v.toInt()); }),
        Mode(
            control, QStringLiteral("outsideGeofence"), ProfileSetting::tr("Control: outside geofence"),
            firstGeneration, geofence,
            [](const Profile& p) { return QVariant(p.alerts().outsideGeofenceMode()); },
            [](Profile& p, const QVariant& v) { p.alerts().setOutsideGeofenceMode(v.toInt()); }),
        Flag(
            control, QStringLiteral("halvexEnabled"), ProfileSetting::tr("Control: Halvex"), allGenerations,
            [](const Profile& p) { return QVariant(p.geoBoundary().boundaryEnabled()); },
            [](Profile& p, const QVariant& v) { p.geoBoundary().setBoundaryEnabled(v.toBool()); }),
        Flag(
            control, QStringLiteral("insideBoundary"),
            ProfileSetting::tr("Control: Halvex active inside boundary"), firstGeneration,
            [](const Profile& p) { return QVariant(p.geoBoundary().insideBoundary()); },
            [](Profile& p, const QVariant& v) { p.geoBoundary().setInsideBoundary(v.toBool()); }),
        Flag(
            control, QStringLiteral("operationalFence"), ProfileSetting::tr("Control: operational fence"),
            laterGeneration,
            [](const Profile& p) { return QVariant(p.geoBoundary().operationalFenceEnabled()); },
            [](Profile& p, const QVariant& v) { p.geoBoundary().setOperationalFenceEnabled(v.toBool()); }),
        Flag(
            control, QStringLiteral("halvexFence"), ProfileSetting::tr("Control: Halvex fence"),
            laterGeneration, [](const Profile& p) { return QVariant(p.geoBoundary().halvexFenceEnabled()); },
            [](Profile& p, const QVariant& v) { p.geoBoundary().setHalvexFenceEnabled(v.toBool()); }),
        Flag(
            control, QStringLiteral("encryptionFence"), ProfileSetting::tr("Control: encryption fence"),
            laterGeneration,
            [](const Profile& p) { return QVariant(p.geoBoundary().encryptionFenceEnabled()); },
            [](Profile& p, const QVariant& v) { p.geoBoundary().setEncryptionFenceEnabled(v.toBool()); }),
        Flag(
            control, QStringLiteral("sbasEnabled"), ProfileSetting::tr("Control: SBAS"), sbasGenerations,
            [](const Profile& p) { return QVariant(p.sbasEnabled()); },
            [](Profile& p, const QVariant& v) { p.setSbasEnabled(v.toBool()); }),
    };
}

std::vector<ProfileSetting> VoyageLogAndPowerBoxSettings()
{
    const QString log = QStringLiteral("voyageLog");
    const QString powerBox = QStringLiteral("powerBox");
    const ProfileSetting::Getter period
        = [](const Profile& p) { return QVariant(p.voyageLog().logPeriod()); };
    const ProfileSetting::Getter distance
        = [](const Profile& p) { return QVariant(p.voyageLog().logDistance()); };
    return {
        Flag(
            log, QStringLiteral("enabled"), ProfileSetting::tr("Voyage log: enabled"), allGenerations,
            [](const Profile& p) { return QVariant(p.voyageLog().logEnabled()); },
            [](Profile& p, const QVariant& v) { p.voyageLog().setLogEnabled(v.toBool()); }),
        { log, QStringLiteral("period"), ProfileSetting::tr("Voyage log: period"),
            ProfileSetting::Kind::Whole, allGenerations, false, period,
            [](Profile& p, const QVariant& v) { p.voyageLog().setLogPeriod(v.toInt()); },
            [](const Profile& p) {
                const int interval = PositionIntervalGood(p) ? p.messages().positionInterval() : 0;
                return SettingRules::LogPeriodProblem(p.voyageLog().logPeriod(), interval);
            },
            WithUnit(QStringLiteral("s")), NoProblem },
        { log, QStringLiteral("distance"), ProfileSetting::tr("Voyage log: minimum distance"),
            ProfileSetting::Kind::Whole, allGenerations, false, distance,
            [](Profile& p, const QVariant& v) { p.voyageLog().setLogDistance(v.toInt()); },
            Range(distance, SettingRules::LogDistanceMin, SettingRules::LogDistanceMax),
            WithUnit(QStringLiteral("m")), NoProblem },
        Flag(
            powerBox, QStringLiteral("enabled"), ProfileSetting::tr("Control: power box connection"),
            firstGeneration, [](const Profile& p) { return QVariant(p.alerts().powerBoxEnabled()); },
            [](Profile& p, const QVariant& v) { p.alerts().setPowerBoxEnabled(v.toBool()); }),
        Flag(
            powerBox, QStringLiteral("disconnectAlert"),
            ProfileSetting::tr("Control: power disconnect alert"), allGenerations,
            [](const Profile& p) { return QVariant(p.alerts().powerBoxAlertEnabled()); },
            [](Profile& p, const QVariant& v) { p.alerts().setPowerBoxAlertEnabled(v.toBool()); }),
    };
}

std::vector<ProfileSetting> AllSettings()
{
    std::vector<ProfileSetting> all;
    for (auto part :
        { VesselSettings(), MessageSettings(), ControlSettings(), VoyageLogAndPowerBoxSettings() }) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

} // namespace

const std::vector<ProfileSetting>& ProfileSetting::All()
{
    static const std::vector<ProfileSetting> all = AllSettings();
    return all;
}

bool ProfileSetting::GenerationKnown(int generation)
{
    return generation == 1 || generation == 2 || generation == 4;
}

bool ProfileSetting::HeldBy(int generation) const
{
    if (!GenerationKnown(generation)) {
        return generations == allGenerations;
    }
    return (generations & (1 << generation)) != 0;
}
