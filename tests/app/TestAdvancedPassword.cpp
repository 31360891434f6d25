#include "app/AdvancedPassword.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestAdvancedPassword : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;

    // A store of its own for every test, so nothing carries over.
    QSettings* NewStore()
    {
        static int count = 0;
        const QString path = folder.filePath(QStringLiteral("store%1.ini").arg(++count));
        return new QSettings(path, QSettings::IniFormat, this);
    }

    AdvancedPassword ReadFrom(const QSettings& store)
    {
        AdvancedPassword password;
        password.Read(store);
        return password;
    }

private slots:
    void legacyDigest_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<quint64>("digest");
        QTest::newRow("product of the codes") << "abc" << quint64(941094);
        QTest::newRow("empty") << "" << quint64(1);
        QTest::newRow("codes above 127 are negative") << QString(QChar(0xc8)) << quint64(-56);
        QTest::newRow("beyond Latin-1 gives 0, stored as 1") << QString(QChar(0x20ac)) + "abc" << quint64(1);
        QTest::newRow("wraps around") << "zzzzzzzzzz" << Q_UINT64_C(11040122668119270400);
        QTest::newRow("a product wrapping to 0 gives 1") << QString(11, QChar('@')) << quint64(1);
    }

    void legacyDigest()
    {
        QFETCH(QString, text);
        QFETCH(quint64, digest);
        QCOMPARE(AdvancedPassword::LegacyDigest(text), digest);
    }

    void onlyTheDefaultOpensWhileNothingIsStored_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("default") << "Lanternbay.64" << true;
        QTest::newRow("other case") << "lanternbay.64" << false;
        QTest::newRow("rearranged") << "Lanternbay.46" << false;
        QTest::newRow("empty") << "" << false;
    }

    void onlyTheDefaultOpensWhileNothingIsStored()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        const AdvancedPassword password = ReadFrom(*NewStore());
        QVERIFY(!password.IsSet());
        QCOMPARE(password.Check(text), accepted);
    }

    void newPasswordIsCheckedByItsHash_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("itself") << "Harbour-7" << true;
        QTest::newRow("rearranged") << "Harobur-7" << false;
        QTest::newRow("default") << "Lanternbay.64" << false;
        QTest::newRow("empty") << "" << false;
    }

    void newPasswordIsCheckedByItsHash()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QSettings* store = NewStore();
        AdvancedPassword set;
        set.Set(QStringLiteral("Harbour-7"));
        set.Write(*store);
        const AdvancedPassword password = ReadFrom(*store);
        QVERIFY(password.IsSet());
        QCOMPARE(password.Check(text), accepted);
        QCOMPARE(set.Check(text), accepted);
    }

    void legacyDigestIsHonouredUntilReplaced()
    {
        QSettings* store = NewStore();
        store->setValue(
            QStringLiteral("PasswordDigest"), AdvancedPassword::LegacyDigest(QStringLiteral("abc")));
        AdvancedPassword password = ReadFrom(*store);
        QVERIFY(password.IsSet());
        QVERIFY(password.Check(QStringLiteral("abc")));
        QVERIFY(!password.Check(QStringLiteral("abd")));
        QVERIFY(!password.Check(AdvancedPassword::DefaultPassword));

        password.Write(*store);
        QCOMPARE(store->value(QStringLiteral("PasswordDigest")).toULongLong(), quint64(941094));
        QVERIFY(!store->contains(QStringLiteral("PasswordHash")));

        password.Set(QStringLiteral("Harbour-7"));
        password.Write(*store);
        QVERIFY(!store->contains(QStringLiteral("PasswordDigest")));
        const AdvancedPassword upgraded = ReadFrom(*store);
        QVERIFY(upgraded.Check(QStringLiteral("Harbour-7")));
        QVERIFY(!upgraded.Check(QStringLiteral("cab")));
        QVERIFY(!upgraded.Check(QStringLiteral("abc")));
    }

    void everyHashHasItsOwnSalt()
    {
        QSettings* first = NewStore();
        QSettings* second = NewStore();
        AdvancedPassword password;
        password.Set(QStringLiteral("same"));
        password.Write(*first);
        password.Set(QStringLiteral("same"));
        password.Write(*second);
        const QString record = first->value(QStringLiteral("PasswordHash")).toString();
        QVERIFY(record.startsWith(QStringLiteral("pbkdf2-sha256$")));
        QVERIFY(record != second->value(QStringLiteral("PasswordHash")).toString());
        QVERIFY(!record.contains(QStringLiteral("same")));
    }

    void malformedEntriesReadAsNotSet_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const QString salt = QStringLiteral("c2FsdHNhbHRzYWx0c2FsdA==");
        const QString key = QString::fromLatin1(QByteArray(32, 'k').toBase64());
        QTest::newRow("digest not a number") << "PasswordDigest"
                                             << "secret";
        QTest::newRow("digest negative") << "PasswordDigest"
                                         << "-5";
        QTest::newRow("hash of another scheme") << "PasswordHash"
                                                << "md5$10000$" + salt + "$" + key;
        QTest::newRow("hash missing a part") << "PasswordHash"
                                             << "pbkdf2-sha256$10000$" + key;
        QTest::newRow("no iterations") << "PasswordHash"
                                       << "pbkdf2-sha256$0$" + salt + "$" + key;
        QTest::newRow("too many iterations") << "PasswordHash"
                                             << "pbkdf2-sha256$2000000000$" + salt + "$" + key;
        QTest::newRow("salt not base64") << "PasswordHash"
                                         << "pbkdf2-sha256$10000$**$" + key;
        QTest::newRow("empty salt") << "PasswordHash"
                                    << "pbkdf2-sha256$10000$$" + key;
        QTest::newRow("short key") << "PasswordHash"
                                   << "pbkdf2-sha256$10000$" + salt + "$a2V5";
    }

    void malformedEntriesReadAsNotSet()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QSettings* store = NewStore();
        store->setValue(key, value);
        const AdvancedPassword password = ReadFrom(*store);
        QVERIFY(!password.IsSet());
        QVERIFY(password.Check(AdvancedPassword::DefaultPassword));
    }
};

QTEST_GUILESS_MAIN(TestAdvancedPassword)
#include "TestAdvancedPassword.moc"
