#include "model/Model.h"
#include "protocol/AISSentenceBattStatus.h"
#include "protocol/AISSentenceBattVolt.h"
#include "protocol/AISSentenceBracketErrorBehaviour.h"
#include "protocol/AISSentenceEncryptionFenceEnabled.h"
#include "protocol/AISSentenceFreq.h"
#include "protocol/AISSentenceGBEnabled.h"
#include "protocol/AISSentenceGBEnabledvX.h"
#include "protocol/AISSentenceGBInOut.h"
#include "protocol/AISSentenceGeofenceAudibleAlertEnable.h"
#include "protocol/AISSentenceHalvexFenceEnabled.h"
#include "protocol/AISSentenceInsideGeofenceBehaviour.h"
#include "protocol/AISSentenceLedSetting.h"
#include "protocol/AISSentenceMsgTI.h"
#include "protocol/AISSentenceOffBracketBehaviour.h"
#include "protocol/AISSentenceOperationalFenceEnabled.h"
#include "protocol/AISSentenceOutsideGeofenceBehaviour.h"
#include "protocol/AISSentencePowerBoxAlertEnable.h"
#include "protocol/AISSentencePowerBoxEnable.h"
#include "protocol/AISSentencePowerBoxSetting.h"
#include "protocol/AISSentenceRSSI.h"
#include "protocol/AISSentenceSMM.h"
#include "protocol/AISSentenceSSD.h"
#include "protocol/AISSentenceSbasEnable.h"
#include "protocol/AISSentenceSosAlertEnable.h"
#include "protocol/AISSentenceSosAudibleAlertEnable.h"
#include "protocol/AISSentenceSosMessageText.h"
#include "protocol/AISSentenceVSD.h"
#include "protocol/AISSentenceVoyageLogDistance.h"
#include "protocol/AISSentenceVoyageLogPeriod.h"
#include "protocol/NmeaSentence.h"

#include <QtTest>

#include <functional>
#include <memory>

using Make = std::function<AISSentence*(Model&)>;
using Prepare = std::function<void(Model&)>;
using Read = std::function<QVariant(Model&)>;
Q_DECLARE_METATYPE(Make)
Q_DECLARE_METATYPE(Prepare)
Q_DECLARE_METATYPE(Read)
Q_DECLARE_METATYPE(NmeaSentence)

namespace {

// A codec bound to the sub-object the transport's job table gives it.
template <typename Codec, typename Part> Make bound(Part* (Model::*part)())
{
    return [part](Model& model) { return new Codec((model.*part)()); };
}

Make msgTI(AISSentenceMsgTI::Kind kind)
{
    return [kind](Model& model) { return new AISSentenceMsgTI(model.messages(), kind); };
}

Make freq(bool channelA)
{
    return [channelA](Model& model) { return new AISSentenceFreq(model.messages(), channelA); };
}

const Make sbas = [](Model& model) { return new AISSentenceSbasEnable(&model); };
const Prepare untouched = [](Model&) {};

NmeaSentence line(const QString& body)
{
    return NmeaSentence(NmeaSentence::frame(body));
}

// The device's reply to a shell command: status 0 and the escaped payload.
NmeaSentence shellReply(const QString& echo, const QString& payload)
{
    return line(QStringLiteral("$PKRX,255,%1,0,%2").arg(echo, payload));
}

} // namespace

class TestSettingCodecs : public QObject {
    Q_OBJECT

private:
    static void sentenceRow(const char* name, const char* formatter, const Make& make, const Prepare& prepare,
        const QString& read, const QString& write)
    {
        QTest::newRow(name) << make << prepare << QString(formatter) << read << write;
    }

    static void replyRow(const char* name, const Make& make, const NmeaSentence& reply, int result,
        const Read& read, const QVariant& expected)
    {
        QTest::newRow(name) << make << reply << result << read << expected;
    }

private slots:
    void buildsSentences_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<QString>("formatter");
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("write");

        const QString dummy = QStringLiteral("DUMMY");
        sentenceRow("BattStatus", "GBS", bound<AISSentenceBattStatus>(&Model::diagnostics), untouched,
            "$PKRX,0,3,0x47C09E15,1,batt,0*50\r\n", dummy);
        sentenceRow("BattVolt", "GBV", bound<AISSentenceBattVolt>(&Model::diagnostics), untouched,
            "$PKRX,0,3,0x47C09E15,1,battvolts,0*22\r\n", dummy);
        sentenceRow("RSSI", "GRI", bound<AISSentenceRSSI>(&Model::diagnostics), untouched,
            "$PKRX,0,3,0x47C09E15,1,rssi,0*48\r\n", dummy);
        sentenceRow("LedSetting", "LED", bound<AISSentenceLedSetting>(&Model::diagnostics), untouched,
            "$PKRX,0,3,0x47C09E15,1,get_leds,0*64\r\n", dummy);
        sentenceRow("PowerBoxSetting", "GPB", bound<AISSentencePowerBoxSetting>(&Model::diagnostics),
            untouched, "$PKRX,0,3,0x47C09E15,1,getboxen,0*5B\r\n", dummy);

        sentenceRow(
            "MsgTI position", "MTI", msgTI(AISSentenceMsgTI::PositionInterval),
            [](Model& m) { m.messages()->setPositionInterval(120); },
            "$PKRX,0,2,0x8E51D3A6,1,getposti,0*24\r\n", "$PKRX,0,2,0x8E51D3A6,0,setposti 120,0*22\r\n");
        sentenceRow(
            "MsgTI high-rate interval, off", "MTI", msgTI(AISSentenceMsgTI::HighRateInterval),
            [](Model& m) { m.messages()->setHighRateInterval(30); },
            "$PKRX,0,2,0x8E51D3A6,1,getposhrti,0*3E\r\n", "$PKRX,0,2,0x8E51D3A6,0,setposhrti 0,0*3B\r\n");
        sentenceRow(
            "MsgTI high-rate interval, on", "MTI", msgTI(AISSentenceMsgTI::HighRateInterval),
            [](Model& m) {
                m.messages()->setHighRateEnabled(true);
                m.messages()->setHighRateInterval(30);
            },
            "$PKRX,0,2,0x8E51D3A6,1,getposhrti,0*3E\r\n", "$PKRX,0,2,0x8E51D3A6,0,setposhrti 30,0*08\r\n");
        sentenceRow(
            "MsgTI high-rate speed, off", "MTI", msgTI(AISSentenceMsgTI::HighRateSog),
            [](Model& m) { m.messages()->setHighRateSog(12); }, "$PKRX,0,2,0x8E51D3A6,1,getposhrsog,0*58\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setposhrsog 0,0*5D\r\n");
        sentenceRow(
            "MsgTI high-rate speed, on", "MTI", msgTI(AISSentenceMsgTI::HighRateSog),
            [](Model& m) {
                m.messages()->setHighRateEnabled(true);
                m.messages()->setHighRateSog(12);
            },
            "$PKRX,0,2,0x8E51D3A6,1,getposhrsog,0*58\r\n", "$PKRX,0,2,0x8E51D3A6,0,setposhrsog 120,0*5E\r\n");
        sentenceRow(
            "MsgTI static data", "MTI", msgTI(AISSentenceMsgTI::StaticDataInterval),
            [](Model& m) { m.messages()->setPositionInterval(60); },
            "$PKRX,0,2,0x8E51D3A6,1,getdatati,0*58\r\n", "$PKRX,0,2,0x8E51D3A6,0,setdatati 180,0*54\r\n");

        sentenceRow("Freq channel A", "FRQ", freq(true), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getaisfreq 1,0*3F\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setaisfreq 1^2C161975000,0*38\r\n");
        sentenceRow("Freq channel B", "FRQ", freq(false), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getaisfreq 2,0*3C\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setaisfreq 2^2C162025000,0*34\r\n");
        sentenceRow(
            "Freq channel B disabled", "FRQ", freq(false),
            [](Model& m) { m.messages()->setChannelBEnabled(false); },
            "$PKRX,0,2,0x8E51D3A6,1,getaisfreq 2,0*3C\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setaisfreq 2^2C161975000,0*3B\r\n");

        sentenceRow("VoyageLogPeriod on", "VOY", bound<AISSentenceVoyageLogPeriod>(&Model::voyageLog),
            untouched, "$PKRX,0,2,0x8E51D3A6,1,getlogperiod,0*34\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setlogperiod 3600,0*04\r\n");
        sentenceRow(
            "VoyageLogPeriod off", "VOY", bound<AISSentenceVoyageLogPeriod>(&Model::voyageLog),
            [](Model& m) { m.voyageLog()->setLogEnabled(false); },
            "$PKRX,0,2,0x8E51D3A6,1,getlogperiod,0*34\r\n", "$PKRX,0,2,0x8E51D3A6,0,setlogperiod 0,0*31\r\n");
        sentenceRow(
            "VoyageLogDistance", "VOY", bound<AISSentenceVoyageLogDistance>(&Model::voyageLog),
            [](Model& m) { m.voyageLog()->setLogDistance(750); },
            "$PKRX,0,2,0x8E51D3A6,1,getlogdist,0*3B\r\n", "$PKRX,0,2,0x8E51D3A6,0,setlogdist 750,0*3C\r\n");

        sentenceRow(
            "BracketErrorBehaviour", "BRK", bound<AISSentenceBracketErrorBehaviour>(&Model::alerts),
            [](Model& m) { m.alerts()->setBracketErrorMode(0); },
            "$PKRX,0,2,0x8E51D3A6,1,getiderrmode,0*3E\r\n", "$PKRX,0,2,0x8E51D3A6,0,setiderrmode 0,0*3B\r\n");
        sentenceRow("OffBracketBehaviour", "BRK", bound<AISSentenceOffBracketBehaviour>(&Model::alerts),
            untouched, "$PKRX,0,2,0x8E51D3A6,1,getnoidmode,0*5A\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setnoidmode 1,0*5E\r\n");
        sentenceRow("SosAlertEnable", "SOS", bound<AISSentenceSosAlertEnable>(&Model::alerts), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getsosalerten,0*5F\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setsosalerten 1,0*5B\r\n");
        sentenceRow(
            "SosAudibleAlertEnable", "SBZ", bound<AISSentenceSosAudibleAlertEnable>(&Model::alerts),
            [](Model& m) { m.alerts()->setSosBuzzerMode(2); }, "$PKRX,0,2,0x8E51D3A6,1,getsosbuz,0*57\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setsosbuz 2^2C 2000^2C 2000,0*50\r\n");
        sentenceRow("SosMessageText", "ZZZ", bound<AISSentenceSosMessageText>(&Model::alerts), untouched,
            "$PKRX,0,2,0x8E51D3A6,2,getsosmsgtxt,0*38\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setsosmsgtxt \"MAYDAY MAYDAY\",0*2E\r\n");
        sentenceRow(
            "SosMessageText reserved characters", "ZZZ", bound<AISSentenceSosMessageText>(&Model::alerts),
            [](Model& m) { m.alerts()->setSosMessage(QStringLiteral("HELP, NOW!")); },
            "$PKRX,0,2,0x8E51D3A6,2,getsosmsgtxt,0*38\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setsosmsgtxt \"HELP^2C NOW^21\",0*1B\r\n");
        sentenceRow(
            "GeofenceAudibleAlertEnable", "GBZ", bound<AISSentenceGeofenceAudibleAlertEnable>(&Model::alerts),
            [](Model& m) { m.alerts()->setGeofenceBuzzerMode(0); },
            "$PKRX,0,2,0x8E51D3A6,1,getgeobuz,0*55\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setgeobuz 0^2C 4000^2C 4000,0*50\r\n");
        sentenceRow("PowerBoxAlertEnable", "PWR", bound<AISSentencePowerBoxAlertEnable>(&Model::alerts),
            untouched, "$PKRX,0,2,0x8E51D3A6,1,getpwralerten,0*45\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setpwralerten 0,0*40\r\n");
        sentenceRow("SbasEnable", "SBS", sbas, untouched,
            "$PKRX,0,0,0x00000000,1,nvgeti \"sbasmode\",0*7F\r\n",
            "$PKRX,0,0,0x00000000,0,setsbasmode 1,0*2A\r\n");
        sentenceRow(
            "PowerBoxEnable", "PBE", bound<AISSentencePowerBoxEnable>(&Model::alerts),
            [](Model& m) { m.alerts()->setPowerBoxEnabled(true); },
            "$PKRX,0,2,0x8E51D3A6,1,getboxen,0*2B\r\n", "$PKRX,0,2,0x8E51D3A6,1,pwrboxen 1,0*39\r\n");
        sentenceRow("GBEnabled", "BLE", bound<AISSentenceGBEnabled>(&Model::geoBoundary), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getabseaenable,0*20\r\n",
            "$PKRX,0,2,0x8E51D3A6,1,setabseaenable 0,0*24\r\n");
        sentenceRow("GBInOut", "BLI", bound<AISSentenceGBInOut>(&Model::geoBoundary), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getabseatxin,0*2A\r\n", "$PKRX,0,2,0x8E51D3A6,0,setabseatxin 1,0*2E\r\n");
        sentenceRow(
            "InsideGeofenceBehaviour", "GEO", bound<AISSentenceInsideGeofenceBehaviour>(&Model::alerts),
            [](Model& m) { m.alerts()->setInsideGeofenceMode(2); },
            "$PKRX,0,2,0x8E51D3A6,1,getingeo,0*3F\r\n", "$PKRX,0,2,0x8E51D3A6,0,setingeo 2,0*38\r\n");
        sentenceRow("OutsideGeofenceBehaviour", "GEO",
            bound<AISSentenceOutsideGeofenceBehaviour>(&Model::alerts), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getoutgeo,0*56\r\n", "$PKRX,0,2,0x8E51D3A6,0,setoutgeo 0,0*53\r\n");
        sentenceRow(
            "GBEnabledvX", "BLX", bound<AISSentenceGBEnabledvX>(&Model::geoBoundary),
            [](Model& m) { m.geoBoundary()->setBoundaryEnabled(true); },
            "$PKRX,0,2,0x8E51D3A6,1,gethalvexen,0*50\r\n", "$PKRX,0,2,0x8E51D3A6,1,sethalvexen 1,0*55\r\n");
        sentenceRow("OperationalFenceEnabled", "OPE",
            bound<AISSentenceOperationalFenceEnabled>(&Model::geoBoundary), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getopfenceen,0*2A\r\n", "$PKRX,0,2,0x8E51D3A6,0,setopfenceen 1,0*2E\r\n");
        sentenceRow(
            "HalvexFenceEnabled", "SFE", bound<AISSentenceHalvexFenceEnabled>(&Model::geoBoundary),
            [](Model& m) { m.geoBoundary()->setHalvexFenceEnabled(false); },
            "$PKRX,0,2,0x8E51D3A6,1,getsatfenceen,0*53\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setsatfenceen 0,0*56\r\n");
        sentenceRow("EncryptionFenceEnabled", "EFE",
            bound<AISSentenceEncryptionFenceEnabled>(&Model::geoBoundary), untouched,
            "$PKRX,0,2,0x8E51D3A6,1,getencfenceen,0*5D\r\n",
            "$PKRX,0,2,0x8E51D3A6,0,setencfenceen 1,0*59\r\n");

        sentenceRow(
            "SSD", "SSD", bound<AISSentenceSSD>(&Model::staticData),
            [](Model& m) {
                StaticData* data = m.staticData();
                data->setCallSign(QStringLiteral("CALL1"));
                data->setVesselName(QStringLiteral("MY BOAT"));
                data->setDimension(StaticData::DimensionA, 10.0f);
                data->setDimension(StaticData::DimensionB, 5.0f);
                data->setDimension(StaticData::DimensionC, 2.0f);
                data->setDimension(StaticData::DimensionD, 3.0f);
            },
            "$UPAIQ,SSD*34\r\n", "$UPSSD,CALL1,MY BOAT,10,5,2,3,,AI*63\r\n");
        sentenceRow(
            "SSD escaped and rounded", "SSD", bound<AISSentenceSSD>(&Model::staticData),
            [](Model& m) {
                StaticData* data = m.staticData();
                data->setCallSign(QStringLiteral("C*1"));
                data->setVesselName(QStringLiteral("A,B"));
                data->setDimension(StaticData::DimensionA, 10.5f);
                data->setDimension(StaticData::DimensionB, 4.4f);
            },
            "$UPAIQ,SSD*34\r\n", "$UPSSD,C^2A1,A^2CB,11,4,0,0,,AI*0E\r\n");
        sentenceRow("VSD untouched", "VSD", bound<AISSentenceVSD>(&Model::vesselData), untouched,
            "$UPAIQ,VSD*31\r\n", "$UPVSD,-1,,,UNKNOWN,,,,,*3C\r\n");
        sentenceRow(
            "VSD escaped", "VSD", bound<AISSentenceVSD>(&Model::vesselData),
            [](Model& m) {
                m.vesselData()->setVesselType(37);
                m.vesselData()->setDestination(QStringLiteral("HOME$PORT"));
            },
            "$UPAIQ,VSD*31\r\n", "$UPVSD,37,,,HOME^24PORT,,,,,*22\r\n");
        sentenceRow(
            "SMM", "SMM", bound<AISSentenceSMM>(&Model::mmsi),
            [](Model& m) { m.mmsi()->setText(QStringLiteral("123456789")); }, "$UPAIQ,SMM*23\r\n",
            "$UPSMM,C,,123456789,*24\r\n");
    }

    void buildsSentences()
    {
        QFETCH(Make, make);
        QFETCH(Prepare, prepare);
        QFETCH(QString, formatter);
        QFETCH(QString, read);
        QFETCH(QString, write);
        Model model;
        prepare(model);
        std::unique_ptr<AISSentence> codec(make(model));
        QCOMPARE(codec->formatter(), formatter);
        QCOMPARE(codec->readSentence(), read);
        QCOMPARE(codec->writeSentence(), write);
    }

    void storesShellReplies_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Prepare>("prepare");
        QTest::addColumn<NmeaSentence>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<Read>("read");
        QTest::addColumn<QVariant>("expected");

        const auto row
            = [](const char* name, const Make& make, const Prepare& prepare, const NmeaSentence& reply,
                  int result, const Read& read, const QVariant& expected) {
                  QTest::newRow(name) << make << prepare << reply << result << read << expected;
              };
        const Read sosAlert = [](Model& m) { return QVariant(m.alerts()->sosAlertEnabled()); };
        const Read boundary = [](Model& m) { return QVariant(m.geoBoundary()->boundaryEnabled()); };
        const Read operational
            = [](Model& m) { return QVariant(m.geoBoundary()->operationalFenceEnabled()); };
        const Read inside = [](Model& m) { return QVariant(m.alerts()->insideGeofenceMode()); };
        const Read sosText = [](Model& m) { return QVariant(m.alerts()->sosMessage()); };
        const Read highRate = [](Model& m) {
            const Messages* messages = m.messages();
            return QVariant(QVariantList {
                messages->highRateInterval(), messages->highRateSog(), messages->highRateEnabled() });
        };
        const Read voyageLog = [](Model& m) {
            return QVariant(QVariantList { m.voyageLog()->logEnabled(), m.voyageLog()->logPeriod() });
        };
        const Make sosAlertCodec = bound<AISSentenceSosAlertEnable>(&Model::alerts);
        const Make insideCodec = bound<AISSentenceInsideGeofenceBehaviour>(&Model::alerts);
        const Make sosTextCodec = bound<AISSentenceSosMessageText>(&Model::alerts);
        const Make logPeriodCodec = bound<AISSentenceVoyageLogPeriod>(&Model::voyageLog);
        const Prepare highRateOn = [](Model& m) {
            m.messages()->setHighRateEnabled(true);
            m.messages()->setHighRateInterval(30);
            m.messages()->setHighRateSog(12);
        };

        // flag
        row("flag 0", sosAlertCodec, untouched, shellReply("getsosalerten", "0"), 0, sosAlert, false);
        row(
            "flag 2 is on", bound<AISSentencePowerBoxAlertEnable>(&Model::alerts), untouched,
            shellReply("getpwralerten", "2"), 0,
            [](Model& m) { return QVariant(m.alerts()->powerBoxAlertEnabled()); }, true);
        row(
            "flag into a mode", bound<AISSentenceBracketErrorBehaviour>(&Model::alerts), untouched,
            shellReply("getiderrmode", "0"), 0,
            [](Model& m) { return QVariant(m.alerts()->bracketErrorMode()); }, 0);
        row(
            "flag 5 into a mode is 1", bound<AISSentenceOffBracketBehaviour>(&Model::alerts),
            [](Model& m) { m.alerts()->setOffBracketMode(0); }, shellReply("getnoidmode", "5"), 0,
            [](Model& m) { return QVariant(m.alerts()->offBracketMode()); }, 1);
        row(
            "flag not a number is 0", sbas, untouched, shellReply("nvgeti \"sbasmode\"", "on"), 0,
            [](Model& m) { return QVariant(m.sbasEnabled()); }, false);
        row(
            "flag read from the diagnostics domain's command",
            bound<AISSentencePowerBoxEnable>(&Model::alerts), untouched, shellReply("getboxen", "1"), 0,
            [](Model& m) { return QVariant(m.alerts()->powerBoxEnabled()); }, true);

        // strict flag
        row("strict flag 1", bound<AISSentenceGBEnabled>(&Model::geoBoundary), untouched,
            shellReply("getabseaenable", "1"), 0, boundary, true);
        row(
            "strict flag 0", bound<AISSentenceGBInOut>(&Model::geoBoundary), untouched,
            shellReply("getabseatxin", "0"), 0,
            [](Model& m) { return QVariant(m.geoBoundary()->insideBoundary()); }, false);
        row("strict flag 2 refused", bound<AISSentenceOperationalFenceEnabled>(&Model::geoBoundary),
            untouched, shellReply("getopfenceen", "2"), -1, operational, true);
        row("strict flag -1 refused", bound<AISSentenceOperationalFenceEnabled>(&Model::geoBoundary),
            untouched, shellReply("getopfenceen", "-1"), -1, operational, true);
        row(
            "strict flag not a number is 0", bound<AISSentenceHalvexFenceEnabled>(&Model::geoBoundary),
            untouched, shellReply("getsatfenceen", "yes"), 0,
            [](Model& m) { return QVariant(m.geoBoundary()->halvexFenceEnabled()); }, false);
        row("strict flag, later firmware", bound<AISSentenceGBEnabledvX>(&Model::geoBoundary), untouched,
            shellReply("gethalvexen", "1"), 0, boundary, true);
        row("strict flag, v4 command to the later codec", bound<AISSentenceGBEnabledvX>(&Model::geoBoundary),
            untouched, shellReply("getabseaenable", "1"), -1, boundary, false);

        // behaviour
        row("behaviour 2", insideCodec, untouched, shellReply("getingeo", "2"), 0, inside, 2);
        row(
            "behaviour 3 is 0", insideCodec, [](Model& m) { m.alerts()->setInsideGeofenceMode(2); },
            shellReply("getingeo", "3"), 0, inside, 0);
        row(
            "behaviour -1 is 0", bound<AISSentenceOutsideGeofenceBehaviour>(&Model::alerts),
            [](Model& m) { m.alerts()->setOutsideGeofenceMode(1); }, shellReply("getoutgeo", "-1"), 0,
            [](Model& m) { return QVariant(m.alerts()->outsideGeofenceMode()); }, 0);

        // number
        row(
            "number", bound<AISSentenceVoyageLogDistance>(&Model::voyageLog), untouched,
            shellReply("getlogdist", "750"), 0,
            [](Model& m) { return QVariant(m.voyageLog()->logDistance()); }, 750);
        row(
            "buzzer mode", bound<AISSentenceSosAudibleAlertEnable>(&Model::alerts), untouched,
            shellReply("getsosbuz", "2"), 0, [](Model& m) { return QVariant(m.alerts()->sosBuzzerMode()); },
            2);
        row(
            "buzzer mode with durations", bound<AISSentenceGeofenceAudibleAlertEnable>(&Model::alerts),
            untouched, shellReply("getgeobuz", "0^2C 4000^2C 4000"), 0,
            [](Model& m) { return QVariant(m.alerts()->geofenceBuzzerMode()); }, 0);

        // text
        row(
            "text", bound<AISSentenceBattStatus>(&Model::diagnostics), untouched, shellReply("batt", "3"), 0,
            [](Model& m) { return QVariant(m.diagnostics()->batteryStatus()); }, "3");
        row(
            "text unescaped", bound<AISSentenceBattVolt>(&Model::diagnostics), untouched,
            shellReply("battvolts", "4012^2C OK"), 0,
            [](Model& m) { return QVariant(m.diagnostics()->batteryVoltage()); }, "4012, OK");
        row(
            "text without payload", bound<AISSentenceLedSetting>(&Model::diagnostics), untouched,
            line("$PKRX,255,get_leds,0"), 0, [](Model& m) { return QVariant(m.diagnostics()->ledStatus()); },
            "");
        row(
            "text, power box", bound<AISSentencePowerBoxSetting>(&Model::diagnostics), untouched,
            shellReply("getboxen", "1"), 0,
            [](Model& m) { return QVariant(m.diagnostics()->powerBoxStatus()); }, "1");
        row(
            "SOS placeholder", sosTextCodec, [](Model& m) { m.alerts()->setSosMessage("HELP"); },
            shellReply("getsosmsgtxt", "TESTING ONLY!"), 0, sosText, "MAYDAY MAYDAY");
        row("SOS placeholder is case-sensitive", sosTextCodec, untouched,
            shellReply("getsosmsgtxt", "testing only!"), 0, sosText, "testing only!");
        row("SOS text unescaped", sosTextCodec, untouched, shellReply("getsosmsgtxt", "HELP^2C NOW"), 0,
            sosText, "HELP, NOW");

        // ignored
        row(
            "ignored", bound<AISSentenceRSSI>(&Model::diagnostics), untouched, shellReply("rssi", "-71"), 0,
            [](Model& m) { return QVariant(m.diagnostics()->adcReading()); }, "No Data");

        // high-rate reporting and the voyage log switch
        row("high-rate interval", msgTI(AISSentenceMsgTI::HighRateInterval), untouched,
            shellReply("getposhrti", "30"), 0, highRate, QVariantList { 30, 10, true });
        row("high-rate interval 0 is off", msgTI(AISSentenceMsgTI::HighRateInterval), highRateOn,
            shellReply("getposhrti", "0"), 0, highRate, QVariantList { 30, 12, false });
        row(
            "high-rate interval with no threshold", msgTI(AISSentenceMsgTI::HighRateInterval),
            [](Model& m) { m.messages()->setHighRateSog(0); }, shellReply("getposhrti", "120"), 0, highRate,
            QVariantList { 120, 0, false });
        row("high-rate threshold in tenths", msgTI(AISSentenceMsgTI::HighRateSog), untouched,
            shellReply("getposhrsog", "155"), 0, highRate, QVariantList { 60, 15, true });
        row("high-rate threshold 0 is off", msgTI(AISSentenceMsgTI::HighRateSog), highRateOn,
            shellReply("getposhrsog", "0"), 0, highRate, QVariantList { 30, 12, false });
        row(
            "position interval", msgTI(AISSentenceMsgTI::PositionInterval), untouched,
            shellReply("getposti", "60"), 0,
            [](Model& m) {
                return QVariant(
                    QVariantList { m.messages()->positionInterval(), m.messages()->staticDataInterval() });
            },
            QVariantList { 60, 180 });
        row(
            "static-data interval ignored", msgTI(AISSentenceMsgTI::StaticDataInterval), untouched,
            shellReply("getdatati", "999"), 0,
            [](Model& m) { return QVariant(m.messages()->staticDataInterval()); }, 600);
        row("log period 0 is off", logPeriodCodec, untouched, shellReply("getlogperiod", "0"), 0, voyageLog,
            QVariantList { false, 3600 });
        row(
            "log period", logPeriodCodec, [](Model& m) { m.voyageLog()->setLogEnabled(false); },
            shellReply("getlogperiod", "600"), 0, voyageLog, QVariantList { true, 600 });

        // not this codec's reply
        row("reply to the write command", sosAlertCodec, untouched, shellReply("setsosalerten 0", "0"), -1,
            sosAlert, true);
        row(
            "reply to another read command", msgTI(AISSentenceMsgTI::PositionInterval), untouched,
            shellReply("getposhrti", "30"), -1,
            [](Model& m) { return QVariant(m.messages()->positionInterval()); }, 300);
        row("refusal", sosAlertCodec, untouched, line("$PKRX,SAC,R,V,80,1234"), -1, sosAlert, true);
        row("reply without status", sosAlertCodec, untouched, line("$PKRX,255,getsosalerten"), -1, sosAlert,
            true);
        row("bad checksum", sosAlertCodec, untouched, NmeaSentence("$PKRX,255,getsosalerten,0,0*00"), -1,
            sosAlert, true);
        row("another talker", sosAlertCodec, untouched, line("$GPRMC,255,getsosalerten,0,0"), -1, sosAlert,
            true);
    }

    void storesShellReplies()
    {
        QFETCH(Make, make);
        QFETCH(Prepare, prepare);
        QFETCH(NmeaSentence, reply);
        QFETCH(int, result);
        QFETCH(Read, read);
        QFETCH(QVariant, expected);
        Model model;
        prepare(model);
        std::unique_ptr<AISSentence> codec(make(model));
        QCOMPARE(codec->parseReply(reply), result);
        QCOMPARE(read(model), expected);
    }

    void channelBFollowsTheTwoFrequencies()
    {
        Model model;
        AISSentenceFreq channelA(model.messages(), true);
        AISSentenceFreq channelB(model.messages(), false);
        Messages* messages = model.messages();
        QCOMPARE(channelB.parseReply(shellReply("getaisfreq 1", "161975000")), -1);
        QCOMPARE(channelA.parseReply(shellReply("getaisfreq 1", "161975000")), 0);
        QCOMPARE(channelB.parseReply(shellReply("getaisfreq 2", "161975000")), 0);
        QCOMPARE(messages->channelBFrequency(), 161975000);
        QVERIFY(!messages->channelBEnabled());
        QCOMPARE(channelB.parseReply(shellReply("getaisfreq 2", "162025000")), 0);
        QCOMPARE(messages->channelBFrequency(), 162025000);
        QVERIFY(messages->channelBEnabled());
        QCOMPARE(channelA.parseReply(shellReply("getaisfreq 1", "162025000")), 0);
        QCOMPARE(messages->channelAFrequency(), 162025000);
        QVERIFY(!messages->channelBEnabled());
    }

    void readsStationStaticData_data()
    {
        QTest::addColumn<NmeaSentence>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("record");
        const QStringList before { "OLD", "OLD NAME", "1", "1", "1", "1" };
        QTest::newRow("full") << line("$AISSD,AB12@@@,MY BOAT@@@@@@@@@@@@@,10,5,2,3,0,AI") << 0
                              << QStringList { "AB12", "MY BOAT", "10", "5", "2", "3" };
        QTest::newRow("padding only")
            << line("$AISSD,@@@@@@@,@@@@@@@@@@@@@@@@@@@@,10,5,2,3,0,AI") << 0
            << QStringList { "@@@@@@@", "@@@@@@@@@@@@@@@@@@@@", "10", "5", "2", "3" };
        QTest::newRow("inner @ kept") << line("$AISSD,A@B@@,MY@BOAT,10,5,2,3,0,AI") << 0
                                      << QStringList { "A@B", "MY@BOAT", "10", "5", "2", "3" };
        QTest::newRow("escaped") << line("$AISSD,AB^2A1,A^2CB,10,5,2,3,0,AI") << 0
                                 << QStringList { "AB*1", "A,B", "10", "5", "2", "3" };
        QTest::newRow("cut to length")
            << line("$AISSD,ABCDEFGHIJ,ABCDEFGHIJKLMNOPQRSTUVWXY,10,5,2,3,0,AI") << 0
            << QStringList { "ABCDEFG", "ABCDEFGHIJKLMNOPQRST", "10", "5", "2", "3" };
        QTest::newRow("three dimensions") << line("$AISSD,AB12,MY BOAT,10,5,2") << -1
                                          << QStringList { "AB12", "MY BOAT", "10", "5", "2", "1" };
        QTest::newRow("empty dimension") << line("$AISSD,AB12,MY BOAT,10,,2,3,0,AI") << -1
                                         << QStringList { "AB12", "MY BOAT", "10", "1", "1", "1" };
        QTest::newRow("call sign only")
            << line("$AISSD,AB12") << -1 << QStringList { "AB12", "OLD NAME", "1", "1", "1", "1" };
        QTest::newRow("no fields") << line("$AISSD") << -1 << before;
        QTest::newRow("another talker") << line("$GPSSD,AB12,MY BOAT,10,5,2,3,0,AI") << -1 << before;
        QTest::newRow("another sentence") << line("$AIVSD,AB12,MY BOAT,10,5,2,3,0,AI") << -1 << before;
        QTest::newRow("bad checksum") << NmeaSentence("$AISSD,AB12,MY BOAT,10,5,2,3,0,AI*00") << -1 << before;
    }

    void readsStationStaticData()
    {
        QFETCH(NmeaSentence, reply);
        QFETCH(int, result);
        QFETCH(QStringList, record);
        StaticData data;
        data.setCallSign("OLD");
        data.setVesselName("OLD NAME");
        for (int which = 0; which < StaticData::DimensionCount; ++which) {
            data.setDimensionMetres(static_cast<StaticData::Dimension>(which), 1);
        }
        AISSentenceSSD codec(&data);
        QCOMPARE(codec.parseReply(reply), result);
        QStringList stored { data.callSign(), data.vesselName() };
        for (int which = 0; which < StaticData::DimensionCount; ++which) {
            stored << QString::number(data.dimensionMetres(static_cast<StaticData::Dimension>(which)));
        }
        QCOMPARE(stored, record);
    }

    void readsVoyageStaticData_data()
    {
        QTest::addColumn<NmeaSentence>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("destination");
        QTest::newRow("full") << line("$AIVSD,37,2.5,4,HOME PORT@@@@@@@@@@@,,,,,") << 0 << 37 << "HOME PORT";
        QTest::newRow("cut to length")
            << line("$AIVSD,52,,,ABCDEFGHIJKLMNOPQRSTUVWXY,,,,,") << 0 << 52 << "ABCDEFGHIJKLMNOPQRST";
        QTest::newRow("escaped") << line("$AIVSD,52,,,HOME^24PORT,,,,,") << 0 << 52 << "HOME$PORT";
        QTest::newRow("no destination field") << line("$AIVSD,52,1") << -1 << 52 << "OLD";
        QTest::newRow("empty type") << line("$AIVSD,,,,HOME,,,,,") << -1 << 30 << "OLD";
        QTest::newRow("no fields") << line("$AIVSD") << -1 << 30 << "OLD";
        QTest::newRow("another talker") << line("$GPVSD,37,,,HOME,,,,,") << -1 << 30 << "OLD";
    }

    void readsVoyageStaticData()
    {
        QFETCH(NmeaSentence, reply);
        QFETCH(int, result);
        QFETCH(int, type);
        QFETCH(QString, destination);
        VesselData data;
        data.setVesselType(30);
        data.setDestination("OLD");
        AISSentenceVSD codec(&data);
        QCOMPARE(codec.parseReply(reply), result);
        QCOMPARE(data.vesselType(), type);
        QCOMPARE(data.destination(), destination);
    }

    void readsTheMmsi_data()
    {
        QTest::addColumn<NmeaSentence>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("text");
        QTest::newRow("reply") << line("$AISMM,,,123456789,") << 0 << "123456789";
        QTest::newRow("no MMSI field") << line("$AISMM,C,") << -1 << "000000000";
        QTest::newRow("another talker") << line("$GPSMM,,,123456789,") << -4 << "000000000";
        QTest::newRow("another sentence") << line("$AISSD,,,123456789,") << -3 << "000000000";
        QTest::newRow("bad checksum") << NmeaSentence("$AISMM,,,123456789,*00") << -3 << "000000000";
    }

    void readsTheMmsi()
    {
        QFETCH(NmeaSentence, reply);
        QFETCH(int, result);
        QFETCH(QString, text);
        MMSI mmsi;
        AISSentenceSMM codec(&mmsi);
        QCOMPARE(codec.parseReply(reply), result);
        QCOMPARE(mmsi.text(), text);
    }
};

QTEST_GUILESS_MAIN(TestSettingCodecs)
#include "TestSettingCodecs.moc"
