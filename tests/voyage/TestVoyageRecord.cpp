#include "VoyageTestSupport.h"

#include <QtTest>

class TestVoyageRecord : public QObject {
    Q_OBJECT

private slots:
    void decodesFields_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("expected");
        const QDate in2026(2026, 3, 14);

        QTest::newRow("complete")
            << "123519,5130.1234,N,00012.3456,E,12.3,270.5,010126,3.61,A,V,V,V,V" << in2026
            << "2026-01-01|12:35:19|51.5020567|0.2057600|12.300|270.500|3.610|sent|A----";
        QTest::newRow("south and west negate")
            << "000000,3345.0000,S,07030.0000,W,0.0,0.0,311225,4.00,V,A,A,A,A" << in2026
            << "2025-12-31|00:00:00|-33.7500000|-70.5000000|0.000|0.000|4.000|sent|-AAAA";
        QTest::newRow("only an exact S or W negates")
            << "000000,3345.0000,s,07030.0000,w,,,311225,4.00,a,V,V,V,V" << in2026
            << "2025-12-31|00:00:00|33.7500000|70.5000000|103.000|360.000|4.000|sent|-----";
        QTest::newRow("empty latitude")
            << "101010,,N,00012.0000,E,1.0,2.0,020226,3.70,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|91.0000000|0.2000000|1.000|2.000|3.700|sent|-----";
        QTest::newRow("empty longitude")
            << "101010,5100.0000,N,,E,1.0,2.0,020226,3.70,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|51.0000000|181.0000000|1.000|2.000|3.700|sent|-----";
        QTest::newRow("latitude beyond the pole")
            << "101010,9130.0000,S,00012.0000,E,,,020226,3.70,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|91.0000000|0.2000000|103.000|360.000|3.700|sent|-----";
        QTest::newRow("garbled longitude")
            << "101010,5100.0000,N,0x1,E,,,020226,3.70,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|51.0000000|181.0000000|103.000|360.000|3.700|sent|-----";
        QTest::newRow("battery with a leading blank")
            << "101010,,,,,,,020226, 3.61,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|91.0000000|181.0000000|103.000|360.000|3.610|sent|-----";
        QTest::newRow("battery all blanks")
            << "101010,,,,,,,020226,    ,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|sent|-----";
        QTest::newRow("battery not sent")
            << "101010,,,,,,,020226,,V,V,V,V,V" << in2026
            << "2026-02-02|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("year in the current century")
            << "101010,,,,,,,150699,,,,,," << QDate(2001, 1, 1)
            << "2099-06-15|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("29 February of 2000")
            << "101010,,,,,,,290200,,,,,," << QDate(2000, 5, 1)
            << "2000-02-29|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("29 February of 2100 does not exist")
            << "101010,,,,,,,290200,,,,,," << QDate(2100, 5, 1)
            << "|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("invalid date and time")
            << "246060,,,,,,,320126,,,,,," << in2026
            << "||91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("time with fractions, seven-digit date")
            << "101010.00,,,,,,,3201261,,,,,," << in2026
            << "||91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
        QTest::newRow("short sentence")
            << "101010" << in2026 << "|10:10:10|91.0000000|181.0000000|103.000|360.000|0.000|unsent|-----";
    }

    void decodesFields()
    {
        QFETCH(QString, fields);
        QFETCH(QDate, today);
        QFETCH(QString, expected);
        VoyageRecord record;
        QVERIFY(VoyageRecord::decode(vdrLine(fields), record, today));
        QCOMPARE(describe(record), expected);
    }

    void ignoresOtherLines_data()
    {
        QTest::addColumn<QString>("line");
        const QString body
            = QStringLiteral("123519,5130.1234,N,00012.3456,E,12.3,270.5,010126,3.61,A,V,V,V,V");
        QTest::newRow("bad checksum") << QString("$PKRX,VDR," + body + "*00\r\n");
        QTest::newRow("no checksum") << QString("$PKRX,VDR," + body);
        QTest::newRow("other kind") << NmeaSentence::frame("$PKRX,VDX," + body);
        QTest::newRow("kind in lower case") << NmeaSentence::frame("$PKRX,vdr," + body);
        QTest::newRow("other talker") << NmeaSentence::frame("$GPKRX,VDR," + body);
        QTest::newRow("other identifier") << NmeaSentence::frame("$PKRY,VDR," + body);
        QTest::newRow("shell reply") << NmeaSentence::frame("$PKRX,255,appver,1");
        QTest::newRow("empty") << QString();
        QTest::newRow("noise") << QString("$*,,,VDR");
    }

    void ignoresOtherLines()
    {
        QFETCH(QString, line);
        VoyageRecord record;
        record.time = QStringLiteral("untouched");
        QVERIFY(!VoyageRecord::decode(line, record));
        QCOMPARE(record.time, QStringLiteral("untouched"));
    }

    void decodesWhateverTheLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        VoyageRecord record;
        QVERIFY(
            VoyageRecord::decode(vdrLine("123519,5130.0000,N,00012.0000,E,12.5,270.5,010126, 3.61,A,V,V,V,V"),
                record, QDate(2026, 1, 2)));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(describe(record),
            QStringLiteral("2026-01-01|12:35:19|51.5000000|0.2000000|12.500|270.500|3.610|sent|A----"));
    }
};

QTEST_GUILESS_MAIN(TestVoyageRecord)
#include "TestVoyageRecord.moc"
