#include "cUpdateRequest.h"

#include <QtTest>

class TestUpdateRequest : public QObject {
    Q_OBJECT

private slots:
    void readsTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("image");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("code");

        const QString program = QStringLiteral("Flashwell");
        QTest::newRow("115200 baud") << QStringList { program, "/opt/AISImage/050200_01_10_00.img",
            "/dev/ttyACM0", "19" } << true
                                     << "/opt/AISImage/050200_01_10_00.img"
                                     << "/dev/ttyACM0" << 19;
        QTest::newRow("38400 baud, spaces in the path")
            << QStringList { program, "/home/a b/x.img", "COM3", "15" } << true << "/home/a b/x.img"
            << "COM3" << 15;
        QTest::newRow("quotes still on the path")
            << QStringList { program, "\"C:/Program Files/x.img\"", "COM3", "19" } << true
            << "C:/Program Files/x.img"
            << "COM3" << 19;
        QTest::newRow("baud code 12") << QStringList { program, "x.img", "COM3", "12" } << false << ""
                                      << "" << 0;
        QTest::newRow("a rate, not a code")
            << QStringList { program, "x.img", "COM3", "115200" } << false << ""
            << "" << 0;
        QTest::newRow("two arguments") << QStringList { program, "x.img", "COM3" } << false << ""
                                       << "" << 0;
        QTest::newRow("no port") << QStringList { program, "x.img", "", "19" } << false << ""
                                 << "" << 0;
        QTest::newRow("only quotes") << QStringList { program, "\"\"", "COM3", "19" } << false << ""
                                     << "" << 0;
    }

    void readsTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, accepted);
        QFETCH(QString, image);
        QFETCH(QString, port);
        QFETCH(int, code);

        cUpdateRequest request;
        QCOMPARE(cUpdateRequest::fromArguments(arguments, &request), accepted);
        if (accepted) {
            QCOMPARE(request.imagePath, image);
            QCOMPARE(request.portName, port);
            QCOMPARE(BaudTypes::toNumber(request.baudCode), code);
        }
    }
};

QTEST_GUILESS_MAIN(TestUpdateRequest)
#include "TestUpdateRequest.moc"
