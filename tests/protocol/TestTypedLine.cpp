#include "protocol/NmeaSentence.h"
#include "protocol/TypedLine.h"

#include <QtTest>

class TestTypedLine : public QObject {
    Q_OBJECT

private slots:
    void completesOrRefuses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("sent");
        const QString command = QStringLiteral("$PKRX,0,0,0x00000000,2,appver,0");
        const QString framed = NmeaSentence::frame(command);
        QTest::newRow("checksum added") << command << framed;
        QTest::newRow("checksum kept") << framed.trimmed() << framed;
        QTest::newRow("wrong checksum") << QStringLiteral("$UPAIQ,SSD*00") << QString();
        QTest::newRow("no start character") << QStringLiteral("UPAIQ,SSD") << QString();
        QTest::newRow("too long") << QStringLiteral("$UPAIQ,") + QString(80, 'X') << QString();
    }

    void completesOrRefuses()
    {
        QFETCH(QString, typed);
        QFETCH(QString, sent);
        TypedLine typedLine;
        QString out = QStringLiteral("stale");
        QCOMPARE(typedLine.complete(typed, out), !sent.isEmpty());
        QCOMPARE(out, sent);
        QVERIFY(!typedLine.isRaw());
    }

    void rawModeSendsEveryLineAsTyped()
    {
        TypedLine typedLine;
        QString out;
        QVERIFY(!typedLine.complete(QStringLiteral("hello"), out));
        QVERIFY(typedLine.complete(QStringLiteral("+++"), out));
        QCOMPARE(out, QStringLiteral("+++\r\n"));
        QVERIFY(typedLine.isRaw());
        QVERIFY(typedLine.complete(QStringLiteral("hello"), out));
        QCOMPARE(out, QStringLiteral("hello\r\n"));
        QVERIFY(typedLine.complete(QStringLiteral("$UPAIQ,SSD*00"), out));
        QCOMPARE(out, QStringLiteral("$UPAIQ,SSD*00\r\n"));
    }

    // The "+++" itself reaches a device not yet in raw mode: CR LF.
    void rawModeLineEndAsChosen()
    {
        TypedLine typedLine;
        typedLine.setRawLineEnd(QStringLiteral("\n"));
        QString out;
        QVERIFY(typedLine.complete(QStringLiteral("+++"), out));
        QCOMPARE(out, QStringLiteral("+++\r\n"));
        QVERIFY(typedLine.complete(QStringLiteral("ls"), out));
        QCOMPARE(out, QStringLiteral("ls\n"));
        typedLine.setRawLineEnd(QStringLiteral("\r"));
        QVERIFY(typedLine.complete(QStringLiteral("+++"), out));
        QCOMPARE(out, QStringLiteral("+++\r"));
    }
};

QTEST_GUILESS_MAIN(TestTypedLine)
#include "TestTypedLine.moc"
