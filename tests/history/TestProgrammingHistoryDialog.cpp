#include "app/CsvField.h"
#include "ui/ProgrammingHistoryDialog.h"

#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class TestProgrammingHistoryDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void searchNarrowsAndExportWritesShownRows();
};

void TestProgrammingHistoryDialog::searchNarrowsAndExportWritesShownRows()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("programming-history.sqlite"));
    {
        ProgrammingHistory history(path);
        const QStringList names
            = { QStringLiteral("SEA, SPRITE"), QStringLiteral("NORTH STAR"), QStringLiteral("SEAGULL") };
        for (int index = 0; index < names.size(); ++index) {
            ProgrammingRecord record;
            record.at = QDateTime(QDate(2024, 5, 14), QTime(9, index), Qt::UTC);
            record.mmsi = QString::number(235123450 + index);
            record.serialNumber = QStringLiteral("20517003011%1").arg(index);
            record.vesselName = names.at(index);
            record.verified = index == 2;
            QString error;
            QVERIFY2(history.Add(record, &error), qPrintable(error));
        }
    }
    ProgrammingHistoryDialog dialog(path);
    auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("tableHistory"));
    QCOMPARE(table->rowCount(), 3);
    QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("lineSearch")), QStringLiteral("sea"));
    QCOMPARE(table->rowCount(), 2);

    const QString exported = folder.filePath(QStringLiteral("shown.csv"));
    QVERIFY(dialog.Export(exported));
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> lines = CsvField::Split(QString::fromUtf8(file.readAll()));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines.at(0).mid(1, 3), (QStringList { "MMSI", "Vessel name", "Call sign" }));
    QCOMPARE(lines.at(1).mid(1, 2), (QStringList { "235123452", "SEAGULL" }));
    QCOMPARE(lines.at(1).at(7), QStringLiteral("yes"));
    QCOMPARE(lines.at(2).mid(1, 2), (QStringList { "235123450", "SEA, SPRITE" }));
    QCOMPARE(lines.at(2).at(7), QStringLiteral("no"));
}

QTEST_MAIN(TestProgrammingHistoryDialog)
#include "TestProgrammingHistoryDialog.moc"
