#include "app/PlatformInfo.h"

#include <QSysInfo>
#include <QtTest>

class TestPlatformInfo : public QObject {
    Q_OBJECT

private:
    static QProcessEnvironment Environment(const QStringList& variables)
    {
        QProcessEnvironment environment;
        for (const QString& variable : variables) {
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        }
        return environment;
    }

private slots:
    void userName_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("user");
        QTest::newRow("Windows") << QStringList { "USERNAME=skipper", "USER=other" } << "skipper";
        QTest::newRow("Unix") << QStringList { "USER=mate" } << "mate";
        QTest::newRow("empty USERNAME") << QStringList { "USERNAME=", "USER=mate" } << "mate";
        QTest::newRow("neither") << QStringList {} << "";
    }

    void userName()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, user);
        QCOMPARE(PlatformInfo::UserName(Environment(variables)), user);
    }

    void computerName_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("computer");
        QTest::newRow("Windows") << QStringList { "COMPUTERNAME=BRIDGE-PC" } << "BRIDGE-PC";
        QTest::newRow("host name") << QStringList { "HOSTNAME=ignored" } << QSysInfo::machineHostName();
        QTest::newRow("empty") << QStringList { "COMPUTERNAME=" } << QSysInfo::machineHostName();
    }

    void computerName()
    {
        QFETCH(QStringList, variables);
        QFETCH(QString, computer);
        QCOMPARE(PlatformInfo::ComputerName(Environment(variables)), computer);
    }

    void updaterIsAProgramOfThisPlatform()
    {
#ifdef Q_OS_WIN
        QCOMPARE(PlatformInfo::UpdaterFileName(), QStringLiteral("Flashwell.exe"));
#else
        QCOMPARE(PlatformInfo::UpdaterFileName(), QStringLiteral("Flashwell"));
#endif
    }
};

QTEST_GUILESS_MAIN(TestPlatformInfo)
#include "TestPlatformInfo.moc"
