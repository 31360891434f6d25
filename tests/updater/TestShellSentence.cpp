#include "ShellSentence.h"
#include "cBootLoaderEntry.h"

#include <QtTest>

class TestShellSentence : public QObject {
    Q_OBJECT

private slots:
    void buildsTheResetSentence()
    {
        const QByteArray reset = cBootLoaderEntry::resetSentence();
        QCOMPARE(reset, QByteArray("$PKRX,0,0,0,1,reset,0*55\r\n"));
        QCOMPARE(reset.size(), 26);
    }

    void sendsTheTokenInDecimalAndEscapesOnlyCommas()
    {
        QCOMPARE(ShellSentence::command(QStringLiteral("setname A,B"), 3),
            QByteArray("$PKRX,0,3,1203805717,1,setname A^2CB,0*76\r\n"));
        QVERIFY(ShellSentence::command(QStringLiteral("a*b$c"), 0).startsWith("$PKRX,0,0,0,1,a*b$c,0*"));
    }

    void findsTheFirstValidSentence_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<QStringList>("fields");

        const QStringList reply { "PKRX", "255", "x", "0" };
        QTest::newRow("a reply") << QByteArray("$PKRX,255,x,0*47\r\n") << reply;
        QTest::newRow("noise before the start") << QByteArray("\x01zz$PKRX,255,x,0*47\r\n") << reply;
        QTest::newRow("a start character in the noise") << QByteArray("!!$PKRX,255,x,0*47") << reply;
        QTest::newRow("a line feed before the checksum abandons a sentence")
            << QByteArray("$GPGSV,1\n$PKRX,255,x,0*47\r\n") << reply;
        QTest::newRow("lower-case digits") << QByteArray("$GPRMC,1,2*4a") << QStringList();
        QTest::newRow("wrong checksum") << QByteArray("$PKRX,255,x,0*48") << QStringList();
        QTest::newRow("one digit only") << QByteArray("$PKRX,255,x,0*4") << QStringList();
        QTest::newRow("no checksum") << QByteArray("$PKRX,255,x,0\r\n") << QStringList();
        QTest::newRow("nothing") << QByteArray() << QStringList();
    }

    void findsTheFirstValidSentence()
    {
        QFETCH(QByteArray, received);
        QFETCH(QStringList, fields);
        QCOMPARE(ShellSentence::fields(received), fields);
    }

    void refusesSentencesLongerThanEightyCharacters_data()
    {
        QTest::addColumn<int>("padding");
        QTest::addColumn<bool>("valid");
        // "$PKRX,255,x,0," is 14 characters and "*hh" three more.
        QTest::newRow("80 characters") << 63 << true;
        QTest::newRow("81 characters") << 64 << false;
    }

    void refusesSentencesLongerThanEightyCharacters()
    {
        QFETCH(int, padding);
        QFETCH(bool, valid);
        const QByteArray body = "$PKRX,255,x,0," + QByteArray(padding, 'A');
        char checksum = 0;
        for (const char c : body.mid(1)) {
            checksum = static_cast<char>(checksum ^ c);
        }
        const QByteArray sentence = body + '*'
            + QByteArray::number(static_cast<unsigned char>(checksum), 16).toUpper().rightJustified(2, '0');
        QCOMPARE(sentence.size(), padding + 17);
        QCOMPARE(!ShellSentence::fields(sentence).isEmpty(), valid);
    }
};

QTEST_GUILESS_MAIN(TestShellSentence)
#include "TestShellSentence.moc"
