#include "protocol/CommandHistory.h"
#include "protocol/ConsoleClock.h"
#include "protocol/ConsoleLine.h"

#include <QTime>
#include <QtTest>

// What the serial console makes of lines: how it shows them, and the sent
// lines Up and Down walk through.
class TestConsoleLine : public QObject {
    Q_OBJECT

private slots:
    void formats_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<bool>("timeStamps");
        QTest::addColumn<bool>("hex");
        QTest::addColumn<QString>("shown");
        QTest::newRow("as it came") << "ADC = 12 " << "" << false << false << "ADC = 12 ";
        QTest::newRow("stamped") << "$GPTXT,1\n" << "" << true << false << "09:05:03.007 $GPTXT,1\n";
        QTest::newRow("stamped prompt ends its line") << ">" << "" << true << false << "09:05:03.007 >\n";
        QTest::newRow("hex shows line end and control characters")
            << QStringLiteral("A\tB\r\n") << "" << false << true << "A.B  | 41 09 42 0D 0A\n";
        QTest::newRow("sent, stamped, hex") << "$X\r\n"
                                            << "OUT > " << true << true
                                            << "09:05:03.007 OUT > $X  | 24 58 0D 0A\n";
    }

    void formats()
    {
        QFETCH(QString, text);
        QFETCH(QString, prefix);
        QFETCH(bool, timeStamps);
        QFETCH(bool, hex);
        QFETCH(QString, shown);
        ConsoleLine::Options options;
        options.timeStamps = timeStamps;
        options.hex = hex;
        QCOMPARE(ConsoleLine::Format(text, prefix, QTime(9, 5, 3, 7), options), shown);
    }

    // Between the platform's answers the clock counts on by itself.
    void clockFollowsTheTimeOfDay()
    {
        ConsoleClock clock;
        const QTime first = clock.Now();
        QTest::qWait(30);
        const int passed = first.msecsTo(clock.Now());
        QVERIFY2(passed >= 30 && passed < 1000, qPrintable(QString::number(passed)));
        QVERIFY(qAbs(clock.Now().msecsTo(QTime::currentTime())) < 50);
    }

    void historyWalksBackAndReturnsToTheTypedLine()
    {
        CommandHistory history({ QStringLiteral("one"), QString(), QString(257, 'x'), QStringLiteral("two") });
        QCOMPARE(history.Lines(), QStringList({ "one", "two" }));
        QCOMPARE(history.Older(QStringLiteral("draft")), QStringLiteral("two"));
        QCOMPARE(history.Older(QStringLiteral("two")), QStringLiteral("one"));
        QCOMPARE(history.Older(QStringLiteral("one")), QStringLiteral("one"));
        QCOMPARE(history.Newer(QStringLiteral("one")), QStringLiteral("two"));
        QCOMPARE(history.Newer(QStringLiteral("two")), QStringLiteral("draft"));
        QCOMPARE(history.Newer(QStringLiteral("draft")), QStringLiteral("draft"));

        // A send ends the walk: Up starts again from the newest.
        history.Older(QString());
        history.Add(QStringLiteral("two"));
        QCOMPARE(history.Lines().size(), 2);
        QCOMPARE(history.Older(QString()), QStringLiteral("two"));
    }

    void historyKeepsTheNewestHundred()
    {
        QStringList stored;
        for (int i = 0; i < CommandHistory::Limit + 5; ++i)
            stored << QString::number(i);
        CommandHistory history(stored);
        QCOMPARE(history.Lines(), stored.mid(5));
        history.Add(QStringLiteral("new"));
        QCOMPARE(history.Lines().size(), CommandHistory::Limit);
        QCOMPARE(history.Lines().first(), QStringLiteral("6"));
        QCOMPARE(history.Lines().last(), QStringLiteral("new"));
    }
};

QTEST_GUILESS_MAIN(TestConsoleLine)
#include "TestConsoleLine.moc"
