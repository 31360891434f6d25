#include "app/AppSettings.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

// Every test works on a store in a folder of its own, never the user's.
class TestAppSettings : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    static AppSettings Loaded()
    {
        AppSettings settings;
        settings.Load();
        return settings;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
        QCoreApplication::setOrganizationName(QStringLiteral("Norwake"));
        QCoreApplication::setApplicationName(QStringLiteral("velmora"));
        QVERIFY(QSettings().fileName().startsWith(folder.path()));
    }

    void init() { QSettings().clear(); }

    void emptyStoreGivesDefaults()
    {
        const AppSettings settings = Loaded();
        QCOMPARE(settings.LogFilename(), QString());
        QCOMPARE(settings.PortName(), QString());
        QVERIFY(!settings.FccAccept());
        QVERIFY(!settings.ShowTransmit());
        QVERIFY(!settings.Password().IsSet());
        QVERIFY(!settings.IsChanged());
    }

    void loadsWhatTheStoreHolds()
    {
        {
            QSettings store;
            store.setValue(QStringLiteral("LogFilename"), QStringLiteral("/home/skipper/serial, today.log"));
            store.setValue(QStringLiteral("PortName"), QStringLiteral("/dev/ttyACM0"));
            store.setValue(QStringLiteral("FCCAccept"), true);
            store.setValue(QStringLiteral("ShowTransmit"), QStringLiteral("true"));
            store.setValue(QStringLiteral("PasswordDigest"), QStringLiteral("941094"));
        }
        const AppSettings settings = Loaded();
        QCOMPARE(settings.LogFilename(), QStringLiteral("/home/skipper/serial, today.log"));
        QCOMPARE(settings.PortName(), QStringLiteral("/dev/ttyACM0"));
        QVERIFY(settings.FccAccept());
        QVERIFY(settings.ShowTransmit());
        QVERIFY(settings.Password().Check(QStringLiteral("abc")));
    }

    void flagsThatAreNotFlagsReadFalse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("flag");
        QTest::newRow("true") << "true" << true;
        QTest::newRow("TRUE") << "TRUE" << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("false") << "false" << false;
        QTest::newRow("yes") << "yes" << false;
        QTest::newRow("garbage") << "maybe" << false;
    }

    void flagsThatAreNotFlagsReadFalse()
    {
        QFETCH(QString, text);
        QFETCH(bool, flag);
        QSettings().setValue(QStringLiteral("ShowTransmit"), text);
        QCOMPARE(Loaded().ShowTransmit(), flag);
    }

    void saveWritesAllButShowTransmit()
    {
        QSettings().setValue(QStringLiteral("FCCAccept"), true);
        AppSettings settings = Loaded();
        settings.SetLogFilename(QStringLiteral("C:/logs/serial.txt"));
        settings.SetPortName(QStringLiteral("COM7"));
        // A single line with commas must not come back as several.
        settings.SetConsoleHistory({ QStringLiteral("$ECAIQ,SSD") });
        QVERIFY(settings.Save());
        QVERIFY(!settings.IsChanged());

        const QSettings store;
        QCOMPARE(store.value(QStringLiteral("LogFilename")).toString(), QStringLiteral("C:/logs/serial.txt"));
        QCOMPARE(store.value(QStringLiteral("PortName")).toString(), QStringLiteral("COM7"));
        QCOMPARE(store.value(QStringLiteral("FCCAccept")).toString(), QStringLiteral("true"));
        QCOMPARE(store.value(QStringLiteral("PasswordDigest")).toString(), QStringLiteral("0"));
        QVERIFY(!store.contains(QStringLiteral("ShowTransmit")));

        const AppSettings reloaded = Loaded();
        QCOMPARE(reloaded.LogFilename(), settings.LogFilename());
        QCOMPARE(reloaded.PortName(), settings.PortName());
        QCOMPARE(reloaded.ConsoleHistory(), QStringList { QStringLiteral("$ECAIQ,SSD") });
        QVERIFY(reloaded.FccAccept());
    }

    void onlyRealChangesAreSaved()
    {
        QSettings().setValue(QStringLiteral("PortName"), QStringLiteral("COM3"));
        AppSettings settings = Loaded();
        settings.SetPortName(QStringLiteral("COM3"));
        QVERIFY(!settings.IsChanged());
        QVERIFY(settings.SaveIfChanged());
        QCOMPARE(QSettings().allKeys(), QStringList { QStringLiteral("PortName") });

        settings.SetPortName(QStringLiteral("COM4"));
        QVERIFY(settings.IsChanged());
        QVERIFY(settings.SaveIfChanged());
        QVERIFY(!settings.IsChanged());
        QCOMPARE(QSettings().value(QStringLiteral("PortName")).toString(), QStringLiteral("COM4"));
    }

    void setPasswordSavesAtOnceAndDropsTheOldDigest()
    {
        QSettings().setValue(
            QStringLiteral("PasswordDigest"), AdvancedPassword::LegacyDigest(QStringLiteral("abc")));
        AppSettings settings = Loaded();
        settings.SetLogFilename(QStringLiteral("pending.log"));
        QVERIFY(settings.SetPassword(QStringLiteral("Harbour-7")));
        QVERIFY(!settings.IsChanged());

        const QSettings store;
        QVERIFY(!store.contains(QStringLiteral("PasswordDigest")));
        QVERIFY(store.contains(QStringLiteral("PasswordHash")));
        QCOMPARE(store.value(QStringLiteral("LogFilename")).toString(), QStringLiteral("pending.log"));
        const AppSettings reloaded = Loaded();
        QVERIFY(reloaded.Password().Check(QStringLiteral("Harbour-7")));
        QVERIFY(!reloaded.Password().Check(QStringLiteral("abc")));
    }

    void failedSaveKeepsTheChangePending()
    {
        const QString file = QSettings().fileName();
        QFile::remove(file);
        QVERIFY(QDir().mkpath(file));
        AppSettings settings = Loaded();
        settings.SetPortName(QStringLiteral("COM9"));
        QVERIFY(!settings.SaveIfChanged());
        QVERIFY(settings.IsChanged());
        QVERIFY(!settings.SetPassword(QStringLiteral("Harbour-7")));
        QVERIFY(QDir(file).removeRecursively());
        QVERIFY(settings.SaveIfChanged());
        QVERIFY(Loaded().Password().Check(QStringLiteral("Harbour-7")));
    }
};

QTEST_GUILESS_MAIN(TestAppSettings)
#include "TestAppSettings.moc"
