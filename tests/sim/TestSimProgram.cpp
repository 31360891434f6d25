#include "DeviceSettings.h"
#include "RawClient.h"
#include "SimConfig.h"
#include "SimTestSupport.h"

#include <QtTest>

// identifier-sim as a user runs it.
class TestSimProgram : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void helpNamesEveryOptionAndKey();
    void badConfigurationIsReported_data();
    void badConfigurationIsReported();
    void damagedStateFileIsLeftAlone();
    void linkAndStateOutliveARun();

private:
    bool startProgram(const QStringList& arguments);
    QString ask(RawClient& client, const QString& command);

    QTemporaryDir m_dir;
    QProcess* m_process = nullptr;
};

void TestSimProgram::init()
{
    QVERIFY(m_dir.isValid());
    m_process = new QProcess;
    m_process->setProgram(QStringLiteral(BINARY_DIR "/identifier-sim"));
}

void TestSimProgram::cleanup()
{
    m_process->terminate();
    m_process->waitForFinished(3000);
    delete m_process;
}

bool TestSimProgram::startProgram(const QStringList& arguments)
{
    m_process->setArguments(arguments);
    m_process->start();
    return m_process->waitForStarted(3000) && m_process->waitForReadyRead(3000);
}

QString TestSimProgram::ask(RawClient& client, const QString& command)
{
    client.sendSentence(shellSentence(command));
    return client.waitForLine(replyTo(command)).section(QLatin1Char('*'), 0, 0);
}

void TestSimProgram::helpNamesEveryOptionAndKey()
{
    m_process->setArguments({QStringLiteral("--help")});
    m_process->start();
    QVERIFY(m_process->waitForFinished(3000));
    QCOMPARE(m_process->exitCode(), 0);
    const QString help = QString::fromUtf8(m_process->readAllStandardOutput());
    for (const char* option : {"--link <PATH>", "--config <FILE.json>", "--state <FILE.json>", "--transcript <FILE>"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    QVERIFY(help.contains(SimConfig::help()));
    QVERIFY(help.contains(DeviceSettings::help()));
}

void TestSimProgram::badConfigurationIsReported_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown key") << QByteArray(R"({"faults": {"dropReply": ["appver"]}})") << "faults.dropReply";
    QTest::newRow("wrong kind") << QByteArray(R"({"baud": "fast"})") << "baud";
    QTest::newRow("unusable rate") << QByteArray(R"({"baud": 9600})") << "115200 or 38400";
    QTest::newRow("bad setting") << QByteArray(R"({"settings": {"positionInterval": 0}})") << "positionInterval";
    QTest::newRow("not json") << QByteArray("{") << "not a JSON object";
}

void TestSimProgram::badConfigurationIsReported()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QFile config(m_dir.filePath(QStringLiteral("config.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(json);
    config.close();
    m_process->setArguments({QStringLiteral("--config"), config.fileName()});
    m_process->start();
    QVERIFY(m_process->waitForFinished(3000));
    QCOMPARE(m_process->exitCode(), 1);
    const QString error = QString::fromUtf8(m_process->readAllStandardError());
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestSimProgram::damagedStateFileIsLeftAlone()
{
    QFile state(m_dir.filePath(QStringLiteral("damaged-state.json")));
    QVERIFY(state.open(QIODevice::WriteOnly));
    state.write("{\"settings\": ");
    state.close();
    m_process->setArguments({QStringLiteral("--state"), state.fileName()});
    m_process->start();
    QVERIFY(m_process->waitForFinished(3000));
    QCOMPARE(m_process->exitCode(), 1);
    QVERIFY(QString::fromUtf8(m_process->readAllStandardError()).contains(QStringLiteral("not a state file")));
    QVERIFY(state.open(QIODevice::ReadOnly));
    QCOMPARE(state.readAll(), QByteArray("{\"settings\": "));
}

void TestSimProgram::linkAndStateOutliveARun()
{
    const QString link = m_dir.filePath(QStringLiteral("identifier"));
    const QString state = m_dir.filePath(QStringLiteral("state.json"));
    const QStringList arguments {QStringLiteral("--link"), link, QStringLiteral("--state"), state};
    QVERIFY(startProgram(arguments));
    const QString port = QString::fromUtf8(m_process->readLine()).trimmed();
    QCOMPARE(QFileInfo(link).symLinkTarget(), port);
    {
        RawClient client;
        QVERIFY(client.open(link));
        QCOMPARE(ask(client, QStringLiteral("setposti 60")), QStringLiteral("$PKRX,255,setposti 60,0,60"));
    }
    m_process->terminate();
    QVERIFY(m_process->waitForFinished(3000));
    QCOMPARE(m_process->exitCode(), 0);
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());

    QVERIFY(startProgram(arguments));
    RawClient client;
    QVERIFY(client.open(link));
    QCOMPARE(ask(client, QStringLiteral("getposti")), QStringLiteral("$PKRX,255,getposti,0,60"));
}

QTEST_GUILESS_MAIN(TestSimProgram)
#include "TestSimProgram.moc"
