#include "RawClient.h"
#include "SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QtTest>

// What the device streams: the GNSS cycle and the voyage log.
class TestSimStreams : public SimFixture
{
    Q_OBJECT

private slots:
    void gnssCycleIsWellFormed();
    void gnssStopsOnRequest();
    void voyageLogIsStreamedAfterTheReply();
    void configuredRecordsKeepTheirMissingFields();
    void clearedLogStreamsNothing();
    void scheduledMessagesOnceTheMmsiIsSet();

private:
    QString ask(const QString& command, int domain);

};

QString TestSimStreams::ask(const QString& command, int domain)
{
    m_client->sendSentence(shellSentence(command, domain));
    return m_client->waitForLine(replyTo(command));
}

void TestSimStreams::gnssCycleIsWellFormed()
{
    SimConfig config = quickConfig();
    config.txtEveryCycles = 1;
    QVERIFY(startDevice(config));
    QVERIFY(!ask(QStringLiteral("gpsfilt 49"), 2).isEmpty());
    // One whole cycle: from an RMC up to the next one.
    QStringList cycle;
    QString line = m_client->waitForLine(QStringLiteral("$GNRMC"), 2500);
    while (!line.isEmpty() && (cycle.isEmpty() || !line.startsWith(QStringLiteral("$GNRMC")))) {
        cycle << line;
        line = m_client->waitForLine(QString(), 1500);
    }
    QSet<QString> kinds;
    QSet<QString> untracked;
    bool sbas = false;
    for (const QString& line : cycle) {
        QVERIFY2(RawClient::checksumHolds(line), qPrintable(line));
        QVERIFY2(line.size() + 2 <= 82, qPrintable(line));
        kinds.insert(line.left(6));
        const QStringList fields = line.section(QLatin1Char('*'), 0, 0).split(QLatin1Char(','));
        if (!line.contains(QStringLiteral("GSV,")))
            continue;
        for (int i = 4; i < fields.size(); i += 4) {
            sbas = sbas || (fields.at(i).toInt() >= 33 && fields.at(i).toInt() <= 64);
            if (i + 3 >= fields.size() || fields.at(i + 3).isEmpty())
                untracked.insert(fields.at(i));
        }
    }
    QCOMPARE(kinds, (QSet<QString> {"$GNRMC", "$GNGSA", "$GPGSV", "$GLGSV", "$GPTXT"}));
    QVERIFY(sbas);
    QVERIFY(!untracked.isEmpty());
    QCOMPARE(cycle.filter(QStringLiteral("$GPTXT,03,")).size(), 3);
}

void TestSimStreams::gnssStopsOnRequest()
{
    QVERIFY(startDevice());
    ask(QStringLiteral("gpsfilt 49"), 2);
    QVERIFY(!m_client->waitForLine(QStringLiteral("$GNRMC"), 2500).isEmpty());
    QVERIFY(!ask(QStringLiteral("gpsfilt 0"), 2).isEmpty());
    QVERIFY(m_client->linesWithin(1300).filter(QStringLiteral("$GNRMC")).isEmpty());
    QVERIFY(!m_sim->isStreamingGnss());
}

void TestSimStreams::voyageLogIsStreamedAfterTheReply()
{
    SimConfig config = quickConfig();
    config.voyageGenerate = 150;
    QVERIFY(startDevice(config));
    QCOMPARE(ask(QStringLiteral("voyage"), 0).section(QLatin1Char('*'), 0, 0), QStringLiteral("$PKRX,255,voyage,0,150"));
    QStringList records;
    while (records.size() < 150) {
        const QString line = m_client->waitForLine(QStringLiteral("$PKRX,VDR,"), 2000);
        if (line.isEmpty())
            break;
        records << line;
    }
    QCOMPARE(records.size(), 150);
    int withoutPosition = 0;
    for (const QString& record : records) {
        QVERIFY2(RawClient::checksumHolds(record) && record.size() + 2 <= 82, qPrintable(record));
        const QStringList fields = record.section(QLatin1Char('*'), 0, 0).split(QLatin1Char(','));
        QCOMPARE(fields.size(), 16);
        withoutPosition += fields.at(3).isEmpty() ? 1 : 0;
    }
    QVERIFY(withoutPosition > 0);
}

void TestSimStreams::configuredRecordsKeepTheirMissingFields()
{
    SimConfig config = quickConfig();
    QString error;
    QVERIFY2(SimConfig::fromJson(QJsonDocument::fromJson(R"({"voyage": {"records": [
        {"time": "2026-01-01T12:35:19Z", "latitude": 48.1173, "longitude": -11.5, "sog": 22.4, "cog": 84.4,
         "volts": 3.61, "offBracket": true},
        {"time": "2026-01-01T13:35:19Z", "volts": 12.5, "sos": true}]}})").object(), &config, &error), qPrintable(error));
    QVERIFY(startDevice(config));
    ask(QStringLiteral("voyage"), 0);
    QCOMPARE(m_client->waitForLine(QStringLiteral("$PKRX,VDR,")).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$PKRX,VDR,123519,4807.0380,N,01130.0000,W,22.4,84.4,010126, 3.61,A,V,V,V,V"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$PKRX,VDR,")).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$PKRX,VDR,133519,,,,,,,010126,12.50,V,A,V,V,V"));
}

void TestSimStreams::clearedLogStreamsNothing()
{
    QVERIFY(startDevice());
    QVERIFY(!ask(QStringLiteral("clrlog"), 2).isEmpty());
    QCOMPARE(ask(QStringLiteral("voyage"), 0).section(QLatin1Char('*'), 0, 0), QStringLiteral("$PKRX,255,voyage,0,0"));
    QVERIFY(m_client->linesWithin(300).isEmpty());
}

namespace {

// The sentences decoded by gpsd's gpsdecode, which shares no code with the
// simulator: one JSON object per message.
QList<QJsonObject> decodedByGpsd(const QStringList& sentences)
{
    QList<QJsonObject> messages;
    if (QStandardPaths::findExecutable(QStringLiteral("gpsdecode")).isEmpty())
        return messages;
    QProcess gpsdecode;
    gpsdecode.start(QStringLiteral("gpsdecode"), { QStringLiteral("-j") });
    gpsdecode.write(sentences.join(QLatin1Char('\n')).toLatin1() + '\n');
    gpsdecode.closeWriteChannel();
    if (!gpsdecode.waitForFinished(10000))
        gpsdecode.kill();
    for (const QByteArray& line : gpsdecode.readAllStandardOutput().split('\n'))
        if (!line.isEmpty())
            messages << QJsonDocument::fromJson(line).object();
    return messages;
}

} // namespace

void TestSimStreams::scheduledMessagesOnceTheMmsiIsSet()
{
    SimConfig config = quickConfig();
    config.settings = QJsonObject { { QStringLiteral("positionInterval"), 1 },
        { QStringLiteral("staticDataInterval"), 2 },
        { QStringLiteral("vesselName"), QStringLiteral("SEA SPRAY") },
        { QStringLiteral("callSign"), QStringLiteral("MXYZ7") }, { QStringLiteral("vesselType"), 37 },
        { QStringLiteral("dimensionA"), 9 }, { QStringLiteral("dimensionB"), 3 },
        { QStringLiteral("dimensionC"), 2 }, { QStringLiteral("dimensionD"), 1 } };
    config.latitude = 50.355;
    config.longitude = -4.139;
    config.speedKnots = 5.5;
    QVERIFY(startDevice(config));
    QVERIFY(m_client->linesWithin(1500).isEmpty());
    m_client->sendSentence(QStringLiteral("$UPSMM,C,,235000123,"));
    QStringList sentences;
    for (const QString& note : { QStringLiteral("Position Message transmitted"),
             QStringLiteral("Static Data Message transmitted, part A"),
             QStringLiteral("Static Data Message transmitted, part B") }) {
        QVERIFY2(!m_client->waitForLine(note, 2500).isEmpty(), qPrintable(note));
        sentences << m_client->waitForLine(QStringLiteral("!AIVDO,"));
        QVERIFY2(RawClient::checksumHolds(sentences.last()), qPrintable(sentences.last()));
    }
    const QList<QJsonObject> messages = decodedByGpsd(sentences);
    // gpsdecode reports the two parts of the static data as one message.
    QVERIFY2(messages.size() == 2, "gpsdecode (gpsd-clients) missing or failed");
    const QJsonObject expected[] = {
        { { "type", 18 }, { "mmsi", 235000123 }, { "lat", 50.355 }, { "lon", -4.139 }, { "speed", 5.5 },
            { "course", 62.0 } },
        { { "type", 24 }, { "mmsi", 235000123 }, { "shipname", "SEA SPRAY" }, { "callsign", "MXYZ7" },
            { "shiptype", 37 }, { "to_bow", 9 }, { "to_stern", 3 }, { "to_port", 2 }, { "to_starboard", 1 } },
    };
    for (int i = 0; i < 2; ++i)
        for (auto it = expected[i].begin(); it != expected[i].end(); ++it)
            QVERIFY2(messages[i].value(it.key()) == it.value(),
                qPrintable(QStringLiteral("%1 in %2").arg(it.key(), sentences.join(QLatin1Char(' ')))));
}

QTEST_GUILESS_MAIN(TestSimStreams)
#include "TestSimStreams.moc"
