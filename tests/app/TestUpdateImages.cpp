#include "app/UpdateImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestUpdateImages : public QObject {
    Q_OBJECT

private:
    struct Expected {
        QString version;
        QString file;
    };

    static void Verify(const UpdateImages::Image& image, const QString& folder, const Expected& expected)
    {
        QCOMPARE(image.present, !expected.version.isEmpty());
        QCOMPARE(image.version, expected.version);
        QCOMPARE(image.path, expected.file.isEmpty() ? QString() : QDir(folder).filePath(expected.file));
    }

private slots:
    void keepsTheNewestImageOfEachFamily_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("version050200");
        QTest::addColumn<QString>("file050200");
        QTest::addColumn<QString>("version160200");
        QTest::addColumn<QString>("file160200");

        QTest::newRow("higher version wins")
            << QStringList { "050200_01_02_03.img", "050200_01_10_00.img" } << "050200.01.10.00"
            << "050200_01_10_00.img"
            << ""
            << "";
        QTest::newRow("both families")
            << QStringList { "050200_01_02_03.img", "160200_02_00_01.img" } << "050200.01.02.03"
            << "050200_01_02_03.img"
            << "160200.02.00.01"
            << "160200_02_00_01.img";
        QTest::newRow("text before the family") << QStringList { "Identifier-160200_02_00_01.img" } << ""
                                                << ""
                                                << "160200.02.00.01"
                                                << "Identifier-160200_02_00_01.img";
        QTest::newRow("base name ends at the first dot")
            << QStringList { "050200_01_02_03.release.img" } << "050200.01.02.03"
            << "050200_01_02_03.release.img"
            << ""
            << "";
        QTest::newRow("one-digit parts ignored") << QStringList { "050200_1_2_3.img" } << ""
                                                 << ""
                                                 << ""
                                                 << "";
        QTest::newRow("two-part version ignored") << QStringList { "160200_01_02.img" } << ""
                                                  << ""
                                                  << ""
                                                  << "";
        QTest::newRow("other extension ignored")
            << QStringList { "050200_01_02_03.bin", "050200_01_02_03.img.bak" } << ""
            << ""
            << ""
            << "";
        QTest::newRow("no family") << QStringList { "firmware_01_02_03.img" } << ""
                                   << ""
                                   << ""
                                   << "";
        QTest::newRow("malformed first family is not read as the second")
            << QStringList { "050200_1_160200_01_00_00.img" } << ""
            << ""
            << ""
            << "";
        QTest::newRow("equal versions keep the first by name")
            << QStringList { "b050200_01_02_03.img", "a050200_01_02_03.img" } << "050200.01.02.03"
            << "a050200_01_02_03.img"
            << ""
            << "";
    }

    void keepsTheNewestImageOfEachFamily()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, version050200);
        QFETCH(QString, file050200);
        QFETCH(QString, version160200);
        QFETCH(QString, file160200);
        QTemporaryDir folder;
        for (const QString& name : files) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        UpdateImages images;
        images.Scan({ folder.path() });
        Verify(images.Newest(false), folder.path(), { version050200, file050200 });
        Verify(images.Newest(true), folder.path(), { version160200, file160200 });
    }

    void folderNamedLikeAnImageIsIgnored()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("050200_09_09_09.img")));
        UpdateImages images;
        images.Scan({ folder.path() });
        QVERIFY(!images.Newest(false).present);
    }

    // The user's folder may bring a newer image; an equal one beside the
    // program still counts first.
    void newestOverAllFoldersEarlierFolderOnATie()
    {
        QTemporaryDir beside;
        QTemporaryDir user;
        for (const QString& path : { beside.filePath(QStringLiteral("050200_01_00_00.img")),
                 beside.filePath(QStringLiteral("160200_02_00_00.img")),
                 user.filePath(QStringLiteral("050200_01_10_00.img")),
                 user.filePath(QStringLiteral("160200_02_00_00.img")) }) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        UpdateImages images;
        images.Scan({ beside.path(), user.filePath(QStringLiteral("missing")), user.path() });
        Verify(images.Newest(false), user.path(),
            { QStringLiteral("050200.01.10.00"), QStringLiteral("050200_01_10_00.img") });
        Verify(images.Newest(true), beside.path(),
            { QStringLiteral("160200.02.00.00"), QStringLiteral("160200_02_00_00.img") });
    }

    void rescanForgetsEarlierImages()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("160200_02_00_01.img")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        UpdateImages images;
        images.Scan({ folder.path() });
        QVERIFY(images.Newest(true).present);
        images.Scan({ folder.filePath(QStringLiteral("missing")) });
        Verify(images.Newest(true), folder.path(), {});
    }
};

QTEST_GUILESS_MAIN(TestUpdateImages)
#include "TestUpdateImages.moc"
