#include "production/InterruptWatch.h"
#include "production/MmsiList.h"
#include "production/TerminalPassword.h"

#include <QFile>
#include <QProcess>
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

using Kind = MmsiClaim::Kind;

class TestMmsiList : public QObject {
    Q_OBJECT

private slots:
    void loadsHandWrittenList_data();
    void loadsHandWrittenList();
    void badFileNamesFileAndLine_data();
    void badFileNamesFileAndLine();
    void claimsFollowTheFileAndNeverGiveAnMmsiTwice();
    void saveKeepsEveryFieldAndColumn();
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
    QTest::newRow("header by names, any order")
        << QByteArray("Call Sign,remark,MMSI,name\n,x,235000001,\nMABC1,y,235000002,\"SEA, BREEZE\"\n");
}

void TestMmsiList::loadsHandWrittenList()
{
    QFETCH(QByteArray, bytes);
    const MmsiList list = Loaded(WriteFile(m_dir, bytes));
    QCOMPARE(list.Count(), 2);
    QCOMPARE(list.Row(0).mmsi, QStringLiteral("235000001"));
    QCOMPARE(list.Row(1).mmsi, QStringLiteral("235000002"));
    QCOMPARE(list.Row(1).vesselName, QStringLiteral("SEA, BREEZE"));
    QCOMPARE(list.Row(1).callSign, QStringLiteral("MABC1"));
    QString error;
    QVERIFY2(list.Save(&error), qPrintable(error));
    const MmsiList again = Loaded(list.Path());
    QCOMPARE(again.Row(1).vesselName + again.Row(1).callSign, QStringLiteral("SEA, BREEZEMABC1"));
}

void TestMmsiList::badFileNamesFileAndLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("eight digits") << QByteArray("mmsi\n235000001\n23500002\n") << "line 3: the MMSI";
    QTest::newRow("first row a typo, not a header") << QByteArray("23500001\n") << "line 1: the MMSI";
    QTest::newRow("first row with a space, not a header")
        << QByteArray("235 000001\n235000002\n") << "line 1: the MMSI \"235 000001\"";
    QTest::newRow("not programmed") << QByteArray("mmsi\n235000001\n000000000\n")
                                    << "line 3: the MMSI 000000000";
    QTest::newRow("header without mmsi")
        << QByteArray("name,call_sign\nA,B\n") << "line 1: the header names no";
    QTest::newRow("column named twice") << QByteArray("mmsi,name,Name\n") << "line 1: the column \"name\"";
    QTest::newRow("header only") << QByteArray("mmsi,name,call_sign\r\n") << "holds no MMSI";
    QTest::newRow("blank") << QByteArray("\r\n\r\n") << "holds no MMSI";
    QTest::newRow("column without a name")
        << QByteArray("call_sign,mmsi\nA,235000001,B\n") << "line 2: more than 2";
    QTest::newRow("name too long") << QByteArray("235000001,A NAME OF MORE THAN TWENTY\n")
                                   << "line 1: the name";
    QTest::newRow("listed twice") << QByteArray("235000001\n235000001\n")
                                  << "line 2: the MMSI 235000001 is listed twice (first on line 1)";
    QTest::newRow("serial twice") << QByteArray("235000001,,,SN1,done\n235000002,,,SN1,reserved\n")
                                  << "line 2: the serial number SN1";
    QTest::newRow("bad state") << QByteArray("235000001,,,SN1,finished\n") << "line 1: the state";
    QTest::newRow("state without serial") << QByteArray("235000001,,,,reserved\n") << "line 1: a serial";
    QTest::newRow("bad time") << QByteArray("235000001,,,SN1,done,yesterday\n") << "line 1: the time";
    QTest::newRow("line end inside quotes counted")
        << QByteArray("mmsi,remark\r\n235000001,\"TWO\r\nLINES\"\r\n235000002\r\nx\r\n")
        << "line 5: the MMSI";
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

// Each claim reads the file again, as another run may have changed it.
void TestMmsiList::claimsFollowTheFileAndNeverGiveAnMmsiTwice()
{
    const QString path = WriteFile(m_dir,
        "mmsi,name,call_sign,serial_number,state,programmed_utc\n"
        "235000001,,,SN-A,done,2024-05-01T10:00:00Z\n"
        "235000002,,,SN-B,reserved,\n"
        "235000003,ALPHA,CALLA\n"
        "235000004\n"
        "235000005\n");
    MmsiList list = Loaded(path);
    MmsiList otherRun = Loaded(path);
    const struct {
        MmsiList* by;
        const char* serial;
        const char* deviceMmsi;
        Kind kind;
        const char* mmsi;
    } claims[] = {
        { &list, "SN-A", "235000001", Kind::AlreadyProgrammed, "235000001" },
        { &list, "SN-B", "000000000", Kind::Resume, "235000002" },
        { &list, "SN-C", "235000004", Kind::FoundOnDevice, "235000004" },
        { &otherRun, "SN-D", "000000000", Kind::Take, "235000003" },
        { &list, "SN-E", "", Kind::Take, "235000005" },
        { &list, "SN-F", "235000001", Kind::Refused, "235000001" },
        { &otherRun, "SN-G", "366000000", Kind::Refused, "366000000" },
        { &list, "SN-D", "366000000", Kind::Resume, "235000003" },
        { &otherRun, "SN-H", "", Kind::Exhausted, "" },
        { &list, " ", "", Kind::Failed, "" },
    };
    for (const auto& claim : claims) {
        const MmsiClaim got = claim.by->Claim(QLatin1String(claim.serial), QLatin1String(claim.deviceMmsi));
        QVERIFY2(got.kind == claim.kind && got.mmsi == QLatin1String(claim.mmsi),
            qPrintable(QStringLiteral("%1: %2 %3").arg(claim.serial).arg(int(got.kind)).arg(got.mmsi)));
    }
    QCOMPARE(list.Claim(QStringLiteral("SN-D"), QString()).vesselName, QStringLiteral("ALPHA"));

    QString error;
    const MmsiListRow found = Loaded(path).Row(3);
    QCOMPARE(found.serialNumber + found.state + found.note, QStringLiteral("SN-Cdonefound on the device"));
    QCOMPARE(list.FreeCount(&error), 0);
    QCOMPARE(list.Unfinished(&error).size(), 3);
    QVERIFY(list.Finish(QStringLiteral("SN-D"), false, &error));
    QCOMPARE(Loaded(path).Row(2).state, MmsiList::Reserved);
    QVERIFY2(otherRun.Finish(QStringLiteral("SN-D"), true, &error), qPrintable(error));
    QCOMPARE(Loaded(path).Row(2).state, MmsiList::Done);
    const QStringList unfinished = list.Unfinished(&error);
    QCOMPARE(unfinished.size(), 2);
    QVERIFY2(unfinished.last().contains(QStringLiteral("235000005"))
            && unfinished.last().contains(QStringLiteral("SN-E")),
        qPrintable(unfinished.last()));
    QVERIFY(!list.Finish(QStringLiteral("SN-X"), true, &error));
    QVERIFY(error.contains(QStringLiteral("SN-X")));
}

// A lock left by a run that was killed does not stop the next one.
void TestMmsiList::saveKeepsEveryFieldAndColumn()
{
    const QString path = WriteFile(m_dir,
        "remark,Call Sign,mmsi,name\n"
        "keep me,MABC1,235000001,\"SEA, \"\"BREEZE\"\"\"\n"
        "Ærø,,235000002,\n");
    QProcess gone;
    gone.start(QStringLiteral("sleep"), { QStringLiteral("0") });
    QVERIFY(gone.waitForStarted());
    QFile lock(path + QStringLiteral(".lock"));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(QByteArray::number(gone.processId()) + "\nvelmora-cli\n" + QSysInfo::machineHostName().toUtf8()
        + "\n");
    lock.close();
    QVERIFY(gone.waitForFinished());

    MmsiList list = Loaded(path);
    QCOMPARE(list.Claim(QStringLiteral("SN1"), QString()).callSign, QStringLiteral("MABC1"));
    QCOMPARE(list.Claim(QStringLiteral("SN2"), QString()).mmsi, QStringLiteral("235000002"));
    QString error;
    QVERIFY2(list.Finish(QStringLiteral("SN1"), true, &error), qPrintable(error));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    QCOMPARE(lines.at(0),
        QByteArray("remark,call_sign,mmsi,name,serial_number,state,programmed_utc,reserved_utc,note\r"));
    QVERIFY2(lines.at(1).startsWith("keep me,MABC1,235000001,\"SEA, \"\"BREEZE\"\"\",SN1,done,20"),
        lines.at(1).constData());

    const MmsiList again = Loaded(path);
    QCOMPARE(again.Count(), 2);
    QCOMPARE(again.Row(0).vesselName, QStringLiteral("SEA, \"BREEZE\""));
    QCOMPARE(again.Row(0).others, QStringList { QStringLiteral("keep me") });
    QVERIFY(again.Row(0).programmedAt.isValid());
    QCOMPARE(again.Row(0).reservedAt.timeSpec(), Qt::UTC);
    QCOMPARE(again.Row(1).others, QStringList { QStringLiteral("Ærø") });
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
