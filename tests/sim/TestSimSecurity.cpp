#include "RawClient.h"
#include "SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QtTest>

// The password lock, seen from the program's side of the line.
class TestSimSecurity : public SimFixture
{
    Q_OBJECT

private slots:
    void init();
    void lockedDeviceIsSilentToCommands();
    void rightResponseOpensTheDevice();
    void wrongResponseKeepsItLockedWithANewChallenge();
    void relockAnswersTheNextCommandWithSac();
    void passwordHashMatchesKnownValues_data();
    void passwordHashMatchesKnownValues();

private:
    bool startWith(int relockAfterMs);
    // Sends the SAC query; returns the reply's fields.
    QStringList query();
    static quint32 hash(const QByteArray& latin1);

};

void TestSimSecurity::init()
{
    QVERIFY(startWith(0));
}

bool TestSimSecurity::startWith(int relockAfterMs)
{
    SimConfig config = quickConfig();
    config.password = QStringLiteral("s3cret");
    config.relockAfterMs = relockAfterMs;
    return startDevice(config);
}

QStringList TestSimSecurity::query()
{
    m_client->sendSentence(QStringLiteral("$PKRX,SAC,Q,,80,"));
    const QString line = m_client->waitForLine(QStringLiteral("$PKRX,SAC,R,"));
    if (!RawClient::checksumHolds(line))
        return {};
    return line.section(QLatin1Char('*'), 0, 0).split(QLatin1Char(','));
}

// Written from the description of the exchange, independently of the
// simulator's own code.
quint32 TestSimSecurity::hash(const QByteArray& latin1)
{
    quint32 e = 0;
    for (const char c : latin1) {
        e += static_cast<quint32>(static_cast<int>(static_cast<signed char>(c)));
        e *= 1025;
        e ^= e >> 6;
    }
    e *= 9;
    e ^= e >> 11;
    return e * 32769;
}

void TestSimSecurity::lockedDeviceIsSilentToCommands()
{
    QVERIFY(m_sim->isLocked());
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0, 2, 0));
    m_client->sendSentence(QStringLiteral("$UPAIQ,SSD"));
    QVERIFY(m_client->linesWithin(300).isEmpty());
}

void TestSimSecurity::rightResponseOpensTheDevice()
{
    const QStringList reply = query();
    QCOMPARE(reply.value(3), QStringLiteral("V"));
    QCOMPARE(reply.value(4), QStringLiteral("80"));
    const quint32 challenge = reply.value(5).toUInt(nullptr, 16);
    QVERIFY(challenge != 0);
    const quint32 response = challenge ^ hash("s3cret") ^ 0x6A3F0C59u;
    m_client->sendSentence(QStringLiteral("$PKRX,SAC,C,,80,%1").arg(response, 0, 16).toUpper());
    QCOMPARE(m_client->waitForLine(QStringLiteral("$PKRX,SAC,R,")).section(QLatin1Char(','), 3, 3), QStringLiteral("A"));
    QVERIFY(!m_sim->isLocked());
    m_client->sendSentence(shellSentence(QStringLiteral("appver"), 0, 2, 0));
    QVERIFY(!m_client->waitForLine(QStringLiteral("$PKRX,255,appver,0,")).isEmpty());
}

void TestSimSecurity::wrongResponseKeepsItLockedWithANewChallenge()
{
    const quint32 first = query().value(5).toUInt(nullptr, 16);
    const quint32 response = first ^ hash("guess") ^ 0x6A3F0C59u;
    m_client->sendSentence(QStringLiteral("$PKRX,SAC,C,,80,%1").arg(response, 0, 16).toUpper());
    const QStringList reply = m_client->waitForLine(QStringLiteral("$PKRX,SAC,R,")).section(QLatin1Char('*'), 0, 0).split(QLatin1Char(','));
    QCOMPARE(reply.value(3), QStringLiteral("V"));
    QVERIFY(reply.value(5).toUInt(nullptr, 16) != first);
    QVERIFY(m_sim->isLocked());
}

void TestSimSecurity::relockAnswersTheNextCommandWithSac()
{
    QVERIFY(startWith(200));
    const quint32 challenge = query().value(5).toUInt(nullptr, 16);
    m_client->sendSentence(QStringLiteral("$PKRX,SAC,C,,80,%1").arg(challenge ^ hash("s3cret") ^ 0x6A3F0C59u, 0, 16).toUpper());
    QVERIFY(!m_client->waitForLine(QStringLiteral("$PKRX,SAC,R,A")).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->isLocked(), 2000);
    m_client->sendSentence(shellSentence(QStringLiteral("getserno"), 0, 2, 1));
    QVERIFY(!m_client->waitForLine(QStringLiteral("$PKRX,SAC,R,V,")).isEmpty());
    // Later commands meet plain silence.
    m_client->sendSentence(shellSentence(QStringLiteral("getserno"), 0, 2, 1));
    QVERIFY(m_client->linesWithin(300).isEmpty());
}

void TestSimSecurity::passwordHashMatchesKnownValues_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("empty") << QString();
    QTest::newRow("ascii") << QStringLiteral("s3cret");
    QTest::newRow("latin-1 above 127") << QStringLiteral("caf\u00e9");
}

void TestSimSecurity::passwordHashMatchesKnownValues()
{
    QFETCH(QString, password);
    QCOMPARE(SecurityAccess::passwordHash(password), hash(password.toLatin1()));
}

QTEST_GUILESS_MAIN(TestSimSecurity)
#include "TestSimSecurity.moc"
