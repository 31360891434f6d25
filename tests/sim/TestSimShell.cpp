#include "RawClient.h"
#include "SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QtTest>

// Shell commands and AIS configuration sentences, through the terminal.
class TestSimShell : public SimFixture
{
    Q_OBJECT

private slots:
    void init();
    void readsAnswerWithExactEcho_data();
    void readsAnswerWithExactEcho();
    void writesAreStoredAndReadBack_data();
    void writesAreStoredAndReadBack();
    void refusedWrites_data();
    void refusedWrites();
    void unknownCommandAndWrongTokenAreRefused();
    void rssiReplyFollowsAnAdcReading();
    void staticAndVoyageDataRoundTrip();
    void mmsiIsProgrammableOnlyWhileUnset();
    void resetCommandsRestoreFactoryValues();
    void answersAreSilentAtAnotherRate();
    void deviceAt38400IgnoresTheUsualRate();

private:
    QString ask(const QString& command, int domain = 2);

};

void TestSimShell::init()
{
    SimConfig config = quickConfig();
    config.settings.insert(QStringLiteral("sosMessage"), QStringLiteral("HELP, NOW"));
    QVERIFY(startDevice(config));
}

QString TestSimShell::ask(const QString& command, int domain)
{
    m_client->sendSentence(shellSentence(command, domain));
    const QString line = m_client->waitForLine(QStringLiteral("$PKRX,25"));
    if (!RawClient::checksumHolds(line))
        return QStringLiteral("bad or no reply: ") + line;
    return line.left(line.lastIndexOf(QLatin1Char('*')));
}

void TestSimShell::readsAnswerWithExactEcho_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("domain");
    QTest::addColumn<QString>("reply");
    QTest::newRow("appver") << "appver" << 0 << "$PKRX,255,appver,0,050200.02.01.00";
    QTest::newRow("getserno") << "getserno" << 0 << "$PKRX,255,getserno,0,205170031442";
    QTest::newRow("channel A") << "getaisfreq 1" << 2 << "$PKRX,255,getaisfreq 1,0,161975000";
    QTest::newRow("channel B") << "getaisfreq 2" << 2 << "$PKRX,255,getaisfreq 2,0,162025000";
    QTest::newRow("position interval") << "getposti" << 2 << "$PKRX,255,getposti,0,300";
    QTest::newRow("sbas by name") << "nvgeti \"sbasmode\"" << 0 << "$PKRX,255,nvgeti \"sbasmode\",0,1";
    QTest::newRow("escaped payload") << "getsosmsgtxt" << 2 << "$PKRX,255,getsosmsgtxt,0,HELP^2C NOW";
    QTest::newRow("battery status") << "batt" << 3 << "$PKRX,255,batt,0,2";
    QTest::newRow("no MMSI led") << "get_leds" << 3 << "$PKRX,255,get_leds,0,3";
    QTest::newRow("power box") << "getboxen" << 3 << "$PKRX,255,getboxen,0,0";
    QTest::newRow("voyage log size") << "voyage" << 0 << "$PKRX,255,voyage,0,200";
}

void TestSimShell::readsAnswerWithExactEcho()
{
    QFETCH(QString, command);
    QFETCH(int, domain);
    QFETCH(QString, reply);
    QCOMPARE(ask(command, domain), reply);
}

void TestSimShell::writesAreStoredAndReadBack_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>("read");
    QTest::addColumn<QString>("value");
    QTest::newRow("frequency, escaped comma") << "setaisfreq 2^2C161975000" << "getaisfreq 2" << "161975000";
    QTest::newRow("buzzer with durations") << "setsosbuz 2^2C 2000^2C 2000" << "getsosbuz" << "2";
    QTest::newRow("quoted message") << "setsosmsgtxt \"TESTING ONLY!\"" << "getsosmsgtxt" << "TESTING ONLY^21";
    QTest::newRow("boundary, two names") << "sethalvexen 1" << "getabseaenable" << "1";
    QTest::newRow("log period off") << "setlogperiod 0" << "getlogperiod" << "0";
    QTest::newRow("high-rate speed") << "setposhrsog 155" << "getposhrsog" << "155";
    QTest::newRow("sbas") << "setsbasmode 0" << "nvgeti \"sbasmode\"" << "0";
    QTest::newRow("power box") << "pwrboxen 1" << "getboxen" << "1";
}

void TestSimShell::writesAreStoredAndReadBack()
{
    QFETCH(QString, write);
    QFETCH(QString, read);
    QFETCH(QString, value);
    QVERIFY(ask(write).startsWith(replyTo(write)));
    QCOMPARE(ask(read), replyTo(read) + QStringLiteral("0,") + value);
}

void TestSimShell::refusedWrites_data()
{
    QTest::addColumn<QString>("write");
    QTest::newRow("not a number") << "setposti often";
    QTest::newRow("strict flag out of range") << "setabseaenable 2";
    QTest::newRow("frequency off the band") << "setaisfreq 1^2C100";
    QTest::newRow("no such channel") << "setaisfreq 3^2C161975000";
    QTest::newRow("buzzer duration not a number") << "setgeobuz 1^2C long^2C 4000";
}

void TestSimShell::refusedWrites()
{
    QFETCH(QString, write);
    const QJsonObject before = m_sim->state().settings.toJson();
    QCOMPARE(ask(write), QStringLiteral("$PKRX,256,%1,2").arg(write));
    QCOMPARE(m_sim->state().settings.toJson(), before);
}

void TestSimShell::unknownCommandAndWrongTokenAreRefused()
{
    QCOMPARE(ask(QStringLiteral("format")), QStringLiteral("$PKRX,256,format,1"));
    m_client->sendSentence(QStringLiteral("$PKRX,0,2,0x00000000,1,getposti,0"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$PKRX,25")).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$PKRX,256,getposti,3"));
    // The updater writes the token in decimal.
    m_client->sendSentence(QStringLiteral("$PKRX,0,3,1203805717,1,getboxen,0"));
    QVERIFY(m_client->waitForLine(QStringLiteral("$PKRX,255,getboxen,0,0")).size() > 0);
}

void TestSimShell::rssiReplyFollowsAnAdcReading()
{
    m_client->sendSentence(shellSentence(QStringLiteral("rssi"), 3));
    const QString line = m_client->waitForLine(QStringLiteral("ADC = "));
    const int start = line.indexOf(QLatin1Char('$'));
    QVERIFY(start > 6);
    QVERIFY(line.mid(start).startsWith(QStringLiteral("$PKRX,255,rssi,0,-87*")));
    QVERIFY(RawClient::checksumHolds(line));
}

void TestSimShell::staticAndVoyageDataRoundTrip()
{
    m_client->sendSentence(QStringLiteral("$UPSSD,CALL1,My Boat^2C Two,10,5,2,3,,AI"));
    m_client->sendSentence(QStringLiteral("$UPVSD,37,,,FALMOUTH,,,,,"));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SSD"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$AISSD")).section(QLatin1Char('*'), 0, 0),
        QStringLiteral("$AISSD,CALL1@@,MY BOAT^2C TWO@@@@@@@@,10,5,2,3,0,AI"));
    m_client->sendSentence(QStringLiteral("$UPAIQ,VSD"));
    const QString vsd = m_client->waitForLine(QStringLiteral("$AIVSD"));
    QVERIFY(RawClient::checksumHolds(vsd));
    QCOMPARE(vsd.section(QLatin1Char(','), 1, 1), QStringLiteral("37"));
    QCOMPARE(vsd.section(QLatin1Char(','), 4, 4), QStringLiteral("FALMOUTH@@@@@@@@@@@@"));
}

void TestSimShell::mmsiIsProgrammableOnlyWhileUnset()
{
    m_client->sendSentence(QStringLiteral("$UPSMM,C,,235000001,"));
    m_client->sendSentence(QStringLiteral("$UPSMM,C,,235999999,"));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SMM"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$AISMM")).section(QLatin1Char(','), 3, 3), QStringLiteral("235000001"));
    QCOMPARE(ask(QStringLiteral("get_leds"), 3), QStringLiteral("$PKRX,255,get_leds,0,14"));
    QVERIFY(ask(QStringLiteral("reset_mmsi")).startsWith(replyTo(QStringLiteral("reset_mmsi"))));
    m_client->sendSentence(QStringLiteral("$UPSMM,C,,235999999,"));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SMM"));
    QCOMPARE(m_client->waitForLine(QStringLiteral("$AISMM")).section(QLatin1Char(','), 3, 3), QStringLiteral("235999999"));
}

void TestSimShell::resetCommandsRestoreFactoryValues()
{
    ask(QStringLiteral("setposti 60"));
    m_client->sendSentence(QStringLiteral("$UPSSD,CALL1,BOAT,10,5,2,3,,AI"));
    QVERIFY(ask(QStringLiteral("resetproduct")).startsWith(replyTo(QStringLiteral("resetproduct"))));
    QCOMPARE(ask(QStringLiteral("getposti")), QStringLiteral("$PKRX,255,getposti,0,300"));
    QCOMPARE(m_sim->state().settings.value(QStringLiteral("vesselName")), QStringLiteral("BOAT"));
    ask(QStringLiteral("resetvessel"), 0);
    QCOMPARE(m_sim->state().settings.value(QStringLiteral("vesselName")), QString());
}

void TestSimShell::answersAreSilentAtAnotherRate()
{
    m_client->setRate(B38400);
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0));
    QVERIFY(m_client->linesWithin(300).isEmpty());
    QVERIFY(m_sim->transcript().filter(QStringLiteral("RX-NOISE  38400")).size() == 1);
    m_client->setRate(B115200);
    QCOMPARE(ask(QStringLiteral("appver"), 0), QStringLiteral("$PKRX,255,appver,0,050200.02.01.00"));
}

void TestSimShell::deviceAt38400IgnoresTheUsualRate()
{
    SimConfig config = quickConfig();
    config.baud = 38400;
    QVERIFY(startDevice(config, B115200));
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0));
    QVERIFY(m_client->linesWithin(300).isEmpty());
    m_client->setRate(B38400);
    QCOMPARE(ask(QStringLiteral("appver"), 0), QStringLiteral("$PKRX,255,appver,0,050200.02.01.00"));
}

QTEST_GUILESS_MAIN(TestSimShell)
#include "TestSimShell.moc"
