#include "app/CommandLine.h"

#include <QtTest>

using Request = CommandLine::Request;
Q_DECLARE_METATYPE(CommandLine::Request)

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void parses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<int>("vendorId");
        QTest::addColumn<int>("productId");
        QTest::addColumn<QString>("port");
        QTest::addColumn<int>("warnings");

        QTest::newRow("nothing") << QStringList {} << Request::Run << -1 << -1 << "" << 0;
        QTest::newRow("both ids") << QStringList { "4292", "60000" } << Request::Run << 4292 << 60000 << ""
                                  << 0;
        QTest::newRow("ids are decimal")
            << QStringList { "0x10c4", "010" } << Request::Run << 0 << 10 << "" << 1;
        QTest::newRow("not a number reads 0")
            << QStringList { "silabs", "60000" } << Request::Run << 0 << 60000 << "" << 1;
        QTest::newRow("a lone vendor id is not used")
            << QStringList { "4292" } << Request::Run << -1 << -1 << "" << 1;
        QTest::newRow("extra arguments ignored")
            << QStringList { "1", "2", "3" } << Request::Run << 1 << 2 << "" << 1;
        QTest::newRow("port") << QStringList { "--port", "/dev/pts/4" } << Request::Run << -1 << -1
                              << "/dev/pts/4" << 0;
        QTest::newRow("port and ids")
            << QStringList { "--port=COM5", "1", "2" } << Request::Run << 1 << 2 << "COM5" << 0;
        QTest::newRow("port without a path")
            << QStringList { "--port" } << Request::Error << -1 << -1 << "" << 0;
        QTest::newRow("port with an empty path")
            << QStringList { "--port", "" } << Request::Error << -1 << -1 << "" << 0;
        QTest::newRow("unknown option")
            << QStringList { "--baud", "9600" } << Request::Error << -1 << -1 << "" << 0;
        QTest::newRow("help") << QStringList { "--help" } << Request::Help << -1 << -1 << "" << 0;
        QTest::newRow("short help") << QStringList { "-h", "1", "2" } << Request::Help << -1 << -1 << "" << 0;
        QTest::newRow("version") << QStringList { "--version" } << Request::Version << -1 << -1 << "" << 0;
        QTest::newRow("short version") << QStringList { "-v" } << Request::Version << -1 << -1 << "" << 0;
    }

    void parses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Request, request);
        QFETCH(int, vendorId);
        QFETCH(int, productId);
        QFETCH(QString, port);
        QFETCH(int, warnings);
        CommandLine commandLine;
        QCOMPARE(commandLine.Parse(QStringList { "velmora" } + arguments), request);
        QCOMPARE(commandLine.ErrorText().isEmpty(), request != Request::Error);
        QCOMPARE(commandLine.Warnings().size(), warnings);
        if (request == Request::Run) {
            QCOMPARE(commandLine.VendorId(), vendorId);
            QCOMPARE(commandLine.ProductId(), productId);
            QCOMPARE(commandLine.PortPath(), port);
        }
    }

    void helpNamesEveryArgument()
    {
        CommandLine commandLine;
        QCOMPARE(commandLine.Parse({ "velmora", "--help" }), Request::Help);
        const QString help = commandLine.HelpText();
        for (const char* word : { "[vendor-id product-id]", "--port <PATH>", "--help", "--version" }) {
            QVERIFY2(help.contains(QLatin1String(word)), word);
        }
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "TestCommandLine.moc"
