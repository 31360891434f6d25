#include "link/LineAssembler.h"
#include "protocol/NmeaSentence.h"

#include <QtTest>

class TestNmeaSentence : public QObject {
    Q_OBJECT

private slots:
    void checksum_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("query") << "$UPAIQ,SSD"
                               << "34";
        QTest::newRow("shell command") << "$PKRX,0,0,0x00000000,2,appver,0"
                                       << "5B";
        QTest::newRow("start character not summed") << "!UPAIQ,SSD"
                                                    << "34";
        QTest::newRow("empty") << ""
                               << "00";
        QTest::newRow("one character") << "$"
                                       << "00";
        QTest::newRow("single digit value is padded") << "$\x01"
                                                      << "01";
        QTest::newRow("Latin-1 code above 127") << QString("$") + QChar(0xE9) << "E9";
    }

    void checksum()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(NmeaSentence::checksum(text), expected);
    }

    void frameAppendsChecksumAndLineEnd()
    {
        QCOMPARE(NmeaSentence::frame("$UPAIQ,SSD"), QString("$UPAIQ,SSD*34\r\n"));
    }

    void escape_data()
    {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("escaped");
        QTest::newRow("comma") << "A,B"
                               << "A^2CB";
        QTest::newRow("all reserved") << "$*,!\\^~"
                                      << "^24^2A^2C^21^5C^5E^7E";
        QTest::newRow("ordinary text") << "MY BOAT 7 @#%"
                                       << "MY BOAT 7 @#%";
        QTest::newRow("empty") << ""
                               << "";
    }

    void escape()
    {
        QFETCH(QString, plain);
        QFETCH(QString, escaped);
        QCOMPARE(NmeaSentence::escape(plain), escaped);
        QCOMPARE(NmeaSentence::unescape(escaped), plain);
    }

    void unescape_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("comma") << "HELP^2C NOW"
                               << "HELP, NOW";
        QTest::newRow("letter") << "^41"
                                << "A";
        QTest::newRow("lower-case digits") << "^2c"
                                           << ",";
        QTest::newRow("not hexadecimal") << "A^ZZB"
                                         << "A.B";
        QTest::newRow("sign is not a digit") << "A^-1B"
                                             << "A.B";
        QTest::newRow("one character left") << "AB^4"
                                            << "AB^4";
        QTest::newRow("caret at end") << "AB^"
                                      << "AB^";
        QTest::newRow("escaped caret not rescanned") << "^5E41"
                                                     << "^41";
        QTest::newRow("two in a row") << "^24^2A"
                                      << "$*";
    }

    void unescape()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QCOMPARE(NmeaSentence::unescape(text), plain);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("talker");
        QTest::addColumn<QString>("identifier");
        QTest::addColumn<QStringList>("fields");

        QTest::newRow("GNSS") << "$GNRMC,081411.000,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A*74"
                              << true << "GN"
                              << "RMC"
                              << QStringList { "$GNRMC", "081411.000", "A", "5541.1955", "N", "03737.2872",
                                     "E", "0.60", "301.29", "260514", "", "", "A" };
        QTest::newRow("encapsulated")
            << "!AIVDO,1,1,,,B5NJ;PP005l4ot5Isbl03wsUkP06,0*35" << true << "AI"
            << "VDO" << QStringList { "!AIVDO", "1", "1", "", "", "B5NJ;PP005l4ot5Isbl03wsUkP06", "0" };
        QTest::newRow("proprietary") << "$PKRX,255,appver,0,1.2*3E" << true << "P"
                                     << "KRX" << QStringList { "$PKRX", "255", "appver", "0", "1.2" };
        QTest::newRow("empty fields")
            << "$GPRMC,,V,,,,,,,,,,N*53" << true << "GP"
            << "RMC" << QStringList { "$GPRMC", "", "V", "", "", "", "", "", "", "", "", "", "N" };
        QTest::newRow("leading noise") << "garbage 12>$PKRX,255,appver,0,1.2*3E" << true << "P"
                                       << "KRX" << QStringList { "$PKRX", "255", "appver", "0", "1.2" };
        QTest::newRow("trailing carriage return")
            << "$PKRX,255,appver,0,1.2*3E\r" << true << "P"
            << "KRX" << QStringList { "$PKRX", "255", "appver", "0", "1.2" };
        QTest::newRow("address too short") << "$,*2C" << true << ""
                                           << "" << QStringList { "$", "" };
        QTest::newRow("82 characters")
            << "$GPTXT,01,01,02,AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA*0C" << true
            << "GP"
            << "TXT" << QStringList { "$GPTXT", "01", "01", "02", QString(63, 'A') };

        QTest::newRow("83 characters")
            << "$GPTXT,01,01,02,AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA*4D" << false
            << ""
            << "" << QStringList { "$GPTXT", "01", "01", "02", QString(64, 'A') };
        QTest::newRow("bad checksum") << "$PKRX,255,appver,0,1.2*3F" << false << ""
                                      << "" << QStringList { "$PKRX", "255", "appver", "0", "1.2" };
        QTest::newRow("lower-case checksum")
            << "$PKRX,0,0,0x00000000,2,appver,0*5b" << false << ""
            << "" << QStringList { "$PKRX", "0", "0", "0x00000000", "2", "appver", "0" };
        QTest::newRow("missing checksum") << "$GPTXT,01,01,02,ANTSTATUS=OK" << false << ""
                                          << "" << QStringList { "$GPTXT", "01", "01", "02" };
        QTest::newRow("truncated checksum")
            << "$GPTXT,01,01,02,ANTSTATUS=OK*3" << false << ""
            << "" << QStringList { "$GPTXT", "01", "01", "02", "ANTSTATUS=OK" };
        QTest::newRow("truncated sentence") << "$GPRMC,081411.000,A,55" << false << ""
                                            << "" << QStringList { "$GPRMC", "081411.000", "A" };
        QTest::newRow("start character in noise")
            << "x$y $PKRX,255,appver,0,1.2*3E" << false << ""
            << "" << QStringList { "$y $PKRX", "255", "appver", "0", "1.2" };
        QTest::newRow("star inside body") << "$GPTXT,01,01,02,A*B*64" << false << ""
                                          << "" << QStringList { "$GPTXT", "01", "01", "02", "A", "B" };
        QTest::newRow("empty line") << "" << false << ""
                                    << "" << QStringList {};
        QTest::newRow("only a start character") << "$" << false << ""
                                                << "" << QStringList {};
        QTest::newRow("nothing between start and checksum") << "$*00" << false << ""
                                                            << "" << QStringList { "$" };
        QTest::newRow("start character after the checksum") << "A*00$B" << false << ""
                                                            << "" << QStringList { "A" };
    }

    // The longest line of noise the serial controller passes on costs time in
    // proportion to its length, not to its square (which took seconds).
    void parsesLongNoiseQuickly()
    {
        const QString noise = QStringLiteral("$*").repeated(LineAssembler::MaxLineLength / 2);
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!NmeaSentence(noise).isValid());
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QStringLiteral("%1 ms").arg(timer.elapsed())));
    }

    void parse()
    {
        QFETCH(QString, line);
        QFETCH(bool, valid);
        QFETCH(QString, talker);
        QFETCH(QString, identifier);
        QFETCH(QStringList, fields);

        const NmeaSentence sentence(line);
        QCOMPARE(sentence.isValid(), valid);
        QCOMPARE(sentence.talker(), talker);
        QCOMPARE(sentence.identifier(), identifier);
        QCOMPARE(sentence.fields(), fields);
    }

    void defaultIsEmptyAndInvalid()
    {
        const NmeaSentence sentence;
        QVERIFY(!sentence.isValid());
        QVERIFY(sentence.talker().isEmpty());
        QVERIFY(sentence.identifier().isEmpty());
        QCOMPARE(sentence.fieldCount(), 0);
        QString text = "stale";
        QVERIFY(!sentence.fieldText(0, text));
        QVERIFY(text.isEmpty());
    }

    void reparseReplacesEverything()
    {
        NmeaSentence sentence("$PKRX,255,appver,0,1.2*3E");
        QVERIFY(!sentence.parse("$GPTXT,01,01,02,ANTSTATUS=OK*00"));
        QVERIFY(sentence.talker().isEmpty());
        QVERIFY(sentence.identifier().isEmpty());
        QCOMPARE(sentence.fields().value(0), QString("$GPTXT"));
        QVERIFY(sentence.parse("$GPTXT,01,01,02,ANTSTATUS=OK*3B"));
        QCOMPARE(sentence.identifier(), QString("TXT"));
    }

    // Field 1 "", field 2 "7", field 3 "x", field 4 "1F", field 5 "0", field 6
    // "-12", field 7 absent.
    void fieldAccessors_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("hasText");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("hasValue");
        QTest::addColumn<QChar>("character");
        QTest::addColumn<int>("decimal");
        QTest::addColumn<int>("hex");

        QTest::newRow("address") << 0 << true << "$GPXYZ" << true << QChar('$') << 0 << 0;
        QTest::newRow("empty") << 1 << true << "" << false << QChar() << 0 << 0;
        QTest::newRow("number") << 2 << true << "7" << true << QChar('7') << 7 << 7;
        QTest::newRow("not a number") << 3 << true << "x" << true << QChar('x') << 0 << 0;
        QTest::newRow("hexadecimal") << 4 << true << "1F" << true << QChar('1') << 0 << 31;
        QTest::newRow("zero") << 5 << true << "0" << true << QChar('0') << 0 << 0;
        QTest::newRow("negative") << 6 << true << "-12" << true << QChar('-') << -12 << -18;
        QTest::newRow("absent") << 7 << false << "" << false << QChar() << 0 << 0;
        QTest::newRow("far beyond") << 1000 << false << "" << false << QChar() << 0 << 0;
        QTest::newRow("negative index") << -1 << false << "" << false << QChar() << 0 << 0;
    }

    void fieldAccessors()
    {
        QFETCH(int, index);
        QFETCH(bool, hasText);
        QFETCH(QString, text);
        QFETCH(bool, hasValue);
        QFETCH(QChar, character);
        QFETCH(int, decimal);
        QFETCH(int, hex);

        const NmeaSentence sentence("$GPXYZ,,7,x,1F,0,-12*6A");
        QVERIFY(sentence.isValid());

        QString textOut = "stale";
        QCOMPARE(sentence.fieldText(index, textOut), hasText);
        QCOMPARE(textOut, text);
        QChar charOut = 'z';
        QCOMPARE(sentence.fieldChar(index, charOut), hasValue);
        QCOMPARE(charOut, character);
        int intOut = 99;
        QCOMPARE(sentence.fieldInt(index, intOut), hasValue);
        QCOMPARE(intOut, decimal);
        int hexOut = 99;
        QCOMPARE(sentence.fieldHex(index, hexOut), hasValue);
        QCOMPARE(hexOut, hex);
        double doubleOut = 99.0;
        QCOMPARE(sentence.fieldDouble(index, doubleOut), hasValue);
        QCOMPARE(doubleOut, double(decimal));
    }

    void fieldDoubleIgnoresLocale()
    {
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German));
        const NmeaSentence sentence("$GNRMC,081411.000,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A*74");
        double latitude = 0.0;
        QVERIFY(sentence.fieldDouble(3, latitude));
        QLocale::setDefault(previous);
        QCOMPARE(latitude, 5541.1955);
    }
};

QTEST_GUILESS_MAIN(TestNmeaSentence)
#include "TestNmeaSentence.moc"
