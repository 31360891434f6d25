#include "control/UpdateCheck.h"

#include <QTemporaryDir>
#include <QtTest>

// What may go to a device of firmware 050200.02.01.00, before any reset;
// the end-to-end tests show an empty image and one of another family refused.
class TestUpdateCheck : public QObject {
    Q_OBJECT

private slots:
    void judgesTheImageBeforeTheReset()
    {
        using V = UpdateCheck::Verdict;
        const struct {
            const char* file;
            const char* bytes; // null: no such file
            bool force;
            V verdict;
            const char* reason;
        } cases[] = { { "050200_01_00_00.img", "image", true, V::Go, "" },
            { "firmware.img", "image", false, V::Refused, "no family" },
            { "050200_04_00_00.img", nullptr, false, V::Refused, "cannot be read" } };
        QTemporaryDir folder;
        for (const auto& c : cases) {
            QFile image(folder.filePath(QLatin1String(c.file)));
            QVERIFY(!c.bytes || (image.open(QIODevice::WriteOnly) && image.write(c.bytes) >= 0));
            image.close();
            const UpdateCheck check(image.fileName(), QStringLiteral("050200.02.01.00"), c.force);
            QCOMPARE(check.Result(), c.verdict);
            QVERIFY2(
                check.Reason().contains(QLatin1String(c.reason)) && check.Reason().isEmpty() == !*c.reason,
                qPrintable(check.Reason()));
        }
    }
};

QTEST_GUILESS_MAIN(TestUpdateCheck)
#include "TestUpdateCheck.moc"
