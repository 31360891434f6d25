#include "app/BaudType.h"

#include <QtTest>

class TestBaudType : public QObject {
    Q_OBJECT

private slots:
    void parsesCommandLineNumbers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("known");
        QTest::addColumn<int>("rate");
        QTest::newRow("115200") << "19" << true << 115200;
        QTest::newRow("38400") << "15" << true << 38400;
        QTest::newRow("padded") << " 15 " << true << 38400;
        QTest::newRow("a rate, not a type") << "115200" << false << 0;
        QTest::newRow("unknown ordinal") << "16" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("text") << "fast" << false << 0;
    }

    void parsesCommandLineNumbers()
    {
        QFETCH(QString, text);
        QFETCH(bool, known);
        QFETCH(int, rate);
        BaudType type = BaudType::Baud115200;
        QCOMPARE(BaudTypes::fromNumber(text, &type), known);
        if (known) {
            QCOMPARE(BaudTypes::rate(type), rate);
            QCOMPARE(QString::number(BaudTypes::toNumber(type)), text.trimmed());
        }
    }
};

QTEST_GUILESS_MAIN(TestBaudType)
#include "TestBaudType.moc"
