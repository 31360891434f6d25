#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"

#include <QtTest>

class TestNmeaShellCommand : public QObject {
    Q_OBJECT

private slots:
    void sentence_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("domain");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("expected");
        QTest::newRow("connection test")
            << "appver" << 0 << 2 << 0 << "$PKRX,0,0,0x00000000,2,appver,0*5B\r\n";
        QTest::newRow("domain 2") << "gpsfilt 49" << 2 << 2 << 4
                                  << "$PKRX,0,2,0x8E51D3A6,2,gpsfilt 49,4*7A\r\n";
        QTest::newRow("domain 3") << "batt" << 3 << 1 << 0 << "$PKRX,0,3,0x47C09E15,1,batt,0*50\r\n";
        QTest::newRow("domain 1") << "batt" << 1 << 1 << 0 << "$PKRX,0,1,0x1F4A7B2C,1,batt,0*5C\r\n";
        QTest::newRow("two-digit tag")
            << "clrlog" << 2 << 0 << 14 << "$PKRX,0,2,0x8E51D3A6,0,clrlog,14*0E\r\n";
        QTest::newRow("reserved character escaped")
            << "set,x" << 2 << 0 << 0 << "$PKRX,0,2,0x8E51D3A6,0,set^2Cx,0*17\r\n";
        QTest::newRow("percent sign kept") << "x%1" << 0 << 2 << 1 << "$PKRX,0,0,0x00000000,2,x%1,1*36\r\n";
        QTest::newRow("cut to 50 characters")
            << "012345678901234567890123456789012345678901234567890123456789" << 2 << 0 << 0
            << "$PKRX,0,2,0x8E51D3A6,0,01234567890123456789012345678901234567890123456789,0*23\r\n";
    }

    void sentence()
    {
        QFETCH(QString, command);
        QFETCH(int, domain);
        QFETCH(int, mode);
        QFETCH(int, tag);
        QFETCH(QString, expected);
        const NmeaShellCommand shell(command, domain, mode, tag);
        QCOMPARE(shell.sentence(), expected);
        QVERIFY(NmeaSentence(expected).isValid());
        QVERIFY(shell.response().isEmpty());
    }

    void unknownDomainHasNoToken()
    {
        QVERIFY(NmeaShellCommand::securityDomainToken(4).isEmpty());
        QVERIFY(NmeaShellCommand::securityDomainToken(-1).isEmpty());
    }

    void parseResponse_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("tag");
        QTest::addColumn<QString>("response");

        // The command's own tag is 42, so an unchanged tag shows up as 42.
        QTest::newRow("reply") << "appver"
                               << "$PKRX,255,appver,0,1.2*3E" << 1 << 0 << "1.2";
        QTest::newRow("reply with status") << "appver"
                                           << "$PKRX,255,appver,2*3D" << 1 << 2 << "";
        QTest::newRow("reply without payload") << "getaisfreq 2"
                                               << "$PKRX,255,getaisfreq 2,0*20" << 1 << 0 << "";
        QTest::newRow("escaped payload") << "appver"
                                         << "$PKRX,255,appver,7,HELP^2C NOW*5C" << 1 << 7 << "HELP, NOW";
        QTest::newRow("escaped echo") << "set,x"
                                      << "$PKRX,255,set^2Cx,3*09" << 1 << 3 << "";
        QTest::newRow("status not a number") << "appver"
                                             << "$PKRX,255,appver,x,1.2*76" << 1 << 0 << "1.2";

        QTest::newRow("other command") << "getaisfreq 1"
                                       << "$PKRX,255,getaisfreq 2,0*20" << -1 << 42 << "";
        QTest::newRow("empty echo") << "appver"
                                    << "$PKRX,255,,0*3F" << -1 << 42 << "";
        QTest::newRow("long command never matches")
            << "012345678901234567890123456789012345678901234567890123456789"
            << "$PKRX,255,01234567890123456789012345678901234567890123456789,0*3E" << -1 << 42 << "";

        QTest::newRow("security access") << "appver"
                                         << "$PKRX,SAC,R,A,1,1F*39" << 0 << 42 << "";
        QTest::newRow("not 255") << "appver"
                                 << "$PKRX,254,appver,0,1.2*3F" << 0 << 42 << "";
        QTest::newRow("empty marker") << "appver"
                                      << "$PKRX,,appver,0*0D" << 0 << 42 << "";
        QTest::newRow("no echo") << "appver"
                                 << "$PKRX,255*0F" << 0 << 42 << "";
        QTest::newRow("no status") << "appver"
                                   << "$PKRX,255,appver*23" << 0 << 0 << "";
        QTest::newRow("empty status") << "appver"
                                      << "$PKRX,255,appver,,1.2*0E" << 0 << 0 << "";
        QTest::newRow("shell command, not reply") << "appver"
                                                  << "$PKRX,0,0,0x00000000,2,appver,0*5B" << 0 << 42 << "";

        QTest::newRow("other maker") << "appver"
                                     << "$PABC,255,appver,0*3E" << -4 << 42 << "";
        QTest::newRow("not proprietary") << "appver"
                                         << "$GPTXT,01,01,02,ANTSTATUS=OK*3B" << -5 << 42 << "";
        QTest::newRow("lower-case proprietary marker") << "appver"
                                                       << "$pkrx,255,appver,0,1.2*3E" << -5 << 42 << "";
        QTest::newRow("bad checksum") << "appver"
                                      << "$PKRX,255,appver,0,1.2*3F" << -6 << 42 << "";
        QTest::newRow("malformed") << "appver"
                                   << "$PKRX,255,app" << -6 << 42 << "";
    }

    void parseResponse()
    {
        QFETCH(QString, command);
        QFETCH(QString, line);
        QFETCH(int, result);
        QFETCH(int, tag);
        QFETCH(QString, response);

        NmeaShellCommand shell(command, 0, 2, 42);
        QCOMPARE(shell.parseResponse(NmeaSentence(line)), result);
        QCOMPARE(shell.tag(), tag);
        QCOMPARE(shell.response(), response);
    }
};

QTEST_GUILESS_MAIN(TestNmeaShellCommand)
#include "TestNmeaShellCommand.moc"
