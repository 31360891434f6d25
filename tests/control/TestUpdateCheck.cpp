#include "control/UpdateCheck.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(UpdateCheck::Verdict)

// What may go to a device of firmware 050200.02.01.00, before any reset.
class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void judgesTheImageBeforeTheReset_data()
    {
        using V = UpdateCheck::Verdict;
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("force");
        QTest::addColumn<V>("verdict");
        QTest::addColumn<QString>("reason");
        const QByteArray image("IDENTIFIER FIRMWARE");
        QTest::newRow("newer") << "050200_02_05_00.img" << image << false << V::Go << "";
        QTest::newRow("equal") << "050200_02_01_00.img" << image << false << V::NotNewer << "not newer";
        QTest::newRow("older, forced") << "050200_01_00_00.img" << image << true << V::Go << "";
        QTest::newRow("other family")
            << "160200_09_00_00.img" << image << true << V::Refused << "family 160200";
        QTest::newRow("no version in the name")
            << "firmware.img" << image << false << V::Refused << "no family";
        QTest::newRow("empty") << "050200_02_05_00.img" << QByteArray() << false << V::Refused << "is empty";
        QTest::newRow("missing") << "050200_02_05_00.img" << QByteArray("-") << false << V::Refused
                                 << "cannot be read";
    }
    void judgesTheImageBeforeTheReset()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, force);
        QFETCH(UpdateCheck::Verdict, verdict);
        QFETCH(QString, reason);
        QTemporaryDir folder;
        const QString path = folder.filePath(file);
        QFile image(path);
        // "-" stands for a file that is not there.
        QVERIFY(bytes == "-" || (image.open(QIODevice::WriteOnly) && image.write(bytes) == bytes.size()));
        image.close();
        const UpdateCheck check(path, QStringLiteral("050200.02.01.00"), force);
        QCOMPARE(check.Result(), verdict);
        QVERIFY2(check.Reason().contains(reason) && check.Reason().isEmpty() == reason.isEmpty(),
            qPrintable(check.Reason()));
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "TestUpdateCheck.moc"
