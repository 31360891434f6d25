#include "production/InterruptWatch.h"
#include "production/MmsiList.h"
#include "production/TerminalPassword.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <unistd.h>
#endif

namespace {

QString WriteFile(const QTemporaryDir& dir, const QByteArray& bytes)
{
    const QString path = dir.filePath(QStringLiteral("list.csv"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

MmsiList Loaded(const QString& path)
{
    MmsiList list;
    QString error;
    if (!MmsiList::Load(path, &list, &error))
        qFatal("%s", qPrintable(error));
    return list;
}

#ifdef Q_OS_UNIX
volatile sig_atomic_t previousHandlerRan = 0;

void PreviousHandler(int)
{
    previousHandlerRan = 1;
}

void (*CurrentHandler(int signal))(int)
{
    struct sigaction current;
    sigaction(signal, nullptr, &current);
    return current.sa_handler;
}
#endif

} // namespace

using Claim = MmsiList::Claim;

class TestMmsiList : public QObject {
    Q_OBJECT

private slots:
    void loadsHandWrittenList_data();
    void loadsHandWrittenList();
    void badFileNamesFileAndLine_data();
    void badFileNamesFileAndLine();
    void claimsResumeAfterReload();
    void saveLoadKeepsEveryField();
    void interruptReachesEventLoopAndHandlerIsRestored();
    void passwordFromFileAndNoTerminal();

private:
    QTemporaryDir m_dir;
};

void TestMmsiList::loadsHandWrittenList_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no header, LF") << QByteArray("235000001\n235000002,\"SEA, BREEZE\",MABC1\n\n");
    QTest::newRow("header, CRLF, BOM")
        << QByteArray("\xEF\xBB\xBFmmsi,name\r\n235000001\r\n 235000002 , \"SEA, BREEZE\" ,MABC1\r\n");
    QTest::newRow("lone CR") << QByteArray("MMSI\r235000001\r235000002,\"SEA, BREEZE\",MABC1");
}

void TestMmsiList::loadsHandWrittenList()
{
    QFETCH(QByteArray, bytes);
    const MmsiList list = Loaded(WriteFile(m_dir, bytes));
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Unused(), 2);
    QCOMPARE(list.Row(0).mmsi, QStringLiteral("235000001"));
    QCOMPARE(list.Row(1).mmsi, QStringLiteral("235000002"));
    QCOMPARE(list.Row(1).vesselName, QStringLiteral("SEA, BREEZE"));
    QCOMPARE(list.Row(1).callSign, QStringLiteral("MABC1"));
}

void TestMmsiList::badFileNamesFileAndLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("eight digits") << QByteArray("mmsi\n235000001\n23500002\n") << "line 3: the MMSI";
    QTest::newRow("first row a typo, not a header") << QByteArray("23500001\n") << "line 1: the MMSI";
    QTest::newRow("listed twice") << QByteArray("235000001\n235000001\n")
                                  << "line 2: the MMSI 235000001 is listed twice (first on line 1)";
    QTest::newRow("serial twice") << QByteArray("235000001,,,SN1,done\n235000002,,,SN1,reserved\n")
                                  << "line 2: the serial number SN1";
    QTest::newRow("bad state") << QByteArray("235000001,,,SN1,finished\n") << "line 1: the state";
    QTest::newRow("state without serial") << QByteArray("235000001,,,,reserved\n") << "line 1: a serial";
    QTest::newRow("bad time") << QByteArray("235000001,,,SN1,done,yesterday\n") << "line 1: the time";
    QTest::newRow("line end inside quotes counted")
        << QByteArray("235000001,\"TWO\r\nLINES\"\r\n235000002\r\nx\r\n") << "line 4: the MMSI";
    QTest::newRow("unclosed quote") << QByteArray("235000001\n235000002,\"SEA\n") << "line 2: a quoted";
    QTest::newRow("not UTF-8") << QByteArray("235000001\n235000002,M\xDCLLER\n")
                               << "line 2: the text is not UTF-8";
    QTest::newRow("missing file") << QByteArray() << "Cannot read";
}

void TestMmsiList::badFileNamesFileAndLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString path
        = bytes.isEmpty() ? m_dir.filePath(QStringLiteral("none.csv")) : WriteFile(m_dir, bytes);
    MmsiList list;
    QString error;
    QVERIFY(!MmsiList::Load(path, &list, &error));
    QVERIFY2(error.contains(path) && error.contains(expected), qPrintable(error));
}

void TestMmsiList::claimsResumeAfterReload()
{
    MmsiList list = Loaded(WriteFile(m_dir,
        "mmsi,name,call_sign,serial_number,state,programmed_utc\n"
        "235000001,,,SN-A,done,2024-05-01T10:00:00Z\n"
        "235000002,,,SN-B,reserved,\n"
        "235000003\n"
        "235000004\n"));
    auto decided = [&list](const char* serial, const char* mmsi) {
        const MmsiList::Decision decision = list.ClaimFor(QLatin1String(serial), QLatin1String(mmsi));
        return qMakePair(decision.claim, decision.row);
    };
    QCOMPARE(decided("SN-A", "235000001"), qMakePair(Claim::AlreadyProgrammed, 0));
    QCOMPARE(decided("SN-B", "235000002"), qMakePair(Claim::Resume, 1));
    QCOMPARE(decided("SN-C", "235000004"), qMakePair(Claim::CarriesListMmsi, 3));
    QCOMPARE(decided("", ""), qMakePair(Claim::Exhausted, -1));
    QCOMPARE(list.Unused(), 2);
    QCOMPARE(decided("SN-D", "000000000"), qMakePair(Claim::Take, 2));
    QCOMPARE(list.Row(2).serialNumber, QStringLiteral("SN-D"));
    QCOMPARE(list.Row(2).state, MmsiList::Reserved);

    QString error;
    QVERIFY2(list.Save(&error), qPrintable(error));
    list = Loaded(list.Path());
    QCOMPARE(decided("SN-D", "366000000"), qMakePair(Claim::Resume, 2));
    QCOMPARE(decided("SN-E", "366000000"), qMakePair(Claim::Take, 3));
    QCOMPARE(decided("SN-F", ""), qMakePair(Claim::Exhausted, -1));
    QCOMPARE(list.Unused(), 0);
}

void TestMmsiList::saveLoadKeepsEveryField()
{
    MmsiList list
        = Loaded(WriteFile(m_dir, "235000001,\"SEA, \"\"BREEZE\"\"\",MABC1\n235000002,Ærø\n235000003\n"));
    list.ClaimFor(QStringLiteral("SN1"), QString());
    list.ClaimFor(QStringLiteral("SN2"), QString());
    const QDateTime when(QDate(2024, 5, 1), QTime(12, 30, 15, 250), Qt::OffsetFromUTC, 7200);
    list.MarkDone(0, when);
    QString error;
    QVERIFY2(list.Save(&error), qPrintable(error));
    const MmsiList again = Loaded(list.Path());
    QCOMPARE(again.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(again.Row(i).mmsi, list.Row(i).mmsi);
        QCOMPARE(again.Row(i).vesselName, list.Row(i).vesselName);
        QCOMPARE(again.Row(i).callSign, list.Row(i).callSign);
        QCOMPARE(again.Row(i).serialNumber, list.Row(i).serialNumber);
        QCOMPARE(again.Row(i).state, list.Row(i).state);
        QCOMPARE(again.Row(i).programmedAt, list.Row(i).programmedAt);
    }
    QCOMPARE(again.Row(0).vesselName, QStringLiteral("SEA, \"BREEZE\""));
    QCOMPARE(again.Row(1).vesselName, QStringLiteral("Ærø"));
    QCOMPARE(again.Row(0).state, MmsiList::Done);
    QCOMPARE(again.Row(0).programmedAt, QDateTime(QDate(2024, 5, 1), QTime(10, 30, 15), Qt::UTC));
    QCOMPARE(again.Row(1).state, MmsiList::Reserved);
    QVERIFY(!again.Row(1).programmedAt.isValid());
}

void TestMmsiList::interruptReachesEventLoopAndHandlerIsRestored()
{
#ifdef Q_OS_UNIX
    signal(SIGINT, PreviousHandler);
    {
        InterruptWatch watch;
        QSignalSpy interrupted(&watch, &InterruptWatch::interrupted);
        raise(SIGINT);
        QVERIFY(interrupted.wait(2000));
        QCOMPARE(interrupted.count(), 1);
        QVERIFY(CurrentHandler(SIGINT) == SIG_DFL); // a second Ctrl-C stops the program
        QVERIFY(!previousHandlerRan);
    }
    QVERIFY(CurrentHandler(SIGINT) == PreviousHandler);
    raise(SIGINT);
    QVERIFY(previousHandlerRan);
    signal(SIGINT, SIG_DFL);
#else
    QSKIP("raising Ctrl-C in the process is tested on Unix");
#endif
}

void TestMmsiList::passwordFromFileAndNoTerminal()
{
    const QString path = m_dir.filePath(QStringLiteral("password"));
    auto read = [&path](const QByteArray& bytes, QString* password, QString* error) {
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        file.close();
        return TerminalPassword::FromFile(path, password, error);
    };
    QString password;
    QString error;
    QVERIFY(read("pass word\r\nsecond line\r\n", &password, &error));
    QCOMPARE(password, QStringLiteral("pass word"));
    QVERIFY(read("\xEF\xBB\xBFpässword", &password, &error));
    QCOMPARE(password, QStringLiteral("pässword"));
    QVERIFY(!read("\r\nsecret\r\n", &password, &error));
    QVERIFY(error.contains(path));
    error.clear();
    QVERIFY(!TerminalPassword::FromFile(path + QStringLiteral(".none"), &password, &error));
    QVERIFY(error.contains(path));
#ifdef Q_OS_UNIX
    int pipeEnds[2];
    QVERIFY(pipe(pipeEnds) == 0);
    const int savedInput = dup(STDIN_FILENO);
    dup2(pipeEnds[0], STDIN_FILENO);
    const bool asked = TerminalPassword::Ask(QStringLiteral("Password: "), &password);
    dup2(savedInput, STDIN_FILENO);
    for (const int fd : { savedInput, pipeEnds[0], pipeEnds[1] })
        close(fd);
    QVERIFY(!asked);
#endif
}

QTEST_GUILESS_MAIN(TestMmsiList)
#include "TestMmsiList.moc"
