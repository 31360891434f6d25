#include "link/LogFile.h"
#include "model/Model.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

const QByteArray ExpectedHeader
    = "Time,Date,User,PC,Serial No.,Version,MMSI,Vessel Name,Call Sign,Vessel Type,Dimension A,Dimension B,"
      "Dimension C,Dimension D,Low SOG Reporting Interval, High SOG Threshold,High SOG Reporting Interval,"
      "Ch.A Freq(MHz),Ch.B Freq(MHz)\n";

} // namespace

class TestLogFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("USERNAME", "skipper");
        qputenv("COMPUTERNAME", "CHART-PC");
    }

    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_path = m_dir->filePath(QStringLiteral("velmoraProgrammed.csv"));
        m_model.reset(new Model);
    }

    void writesTheHeaderOnceAcrossStarts()
    {
        {
            LogFile log;
            QVERIFY(log.Open(m_path));
            QVERIFY(!log.Open(m_path));
        }
        QCOMPARE(Contents(m_path), ExpectedHeader);
        LogFile again;
        QVERIFY(again.Open(m_path));
        QVERIFY(again.AppendRow(m_model.data()));
        const QList<QByteArray> lines = Contents(m_path).split('\n');
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.at(0) + '\n', ExpectedHeader);
    }

    void writesOneRowPerConfiguration_data()
    {
        QTest::addColumn<QString>("vesselName");
        QTest::addColumn<bool>("highRate");
        QTest::addColumn<QString>("expected");
        const QString front = QStringLiteral("skipper,CHART-PC,SN123,050200.01.02.03,235012345,");
        QTest::newRow("high rate off: two empty columns")
            << "MY BOAT" << false << front + "MY BOAT,CALL1,37,11,5,2,3,300,,,161.975,162.025,";
        QTest::newRow("high rate on") << "MY BOAT" << true
                                      << front + "MY BOAT,CALL1,37,11,5,2,3,300,15,30,161.975,162.025,";
        QTest::newRow("comma in the name is quoted")
            << "SEA, BREEZE" << false << front + "\"SEA, BREEZE\",CALL1,37,11,5,2,3,300,,,161.975,162.025,";
        QTest::newRow("quote in the name is doubled")
            << "THE \"ONE\"" << false << front + "\"THE \"\"ONE\"\"\",CALL1,37,11,5,2,3,300,,,161.975,162.025,";
    }

    void writesOneRowPerConfiguration()
    {
        QFETCH(QString, vesselName);
        QFETCH(bool, highRate);
        QFETCH(QString, expected);
        m_model->setSerialNumber(QStringLiteral("SN123"));
        m_model->setAppVersion(QStringLiteral("050200.01.02.03"));
        m_model->mmsi()->setText(QStringLiteral("235012345"));
        StaticData* data = m_model->staticData();
        data->setVesselName(vesselName);
        data->setCallSign(QStringLiteral("CALL1"));
        data->setDimension(StaticData::DimensionA, 10.5f);
        data->setDimension(StaticData::DimensionB, 5);
        data->setDimension(StaticData::DimensionC, 2);
        data->setDimension(StaticData::DimensionD, 3);
        m_model->vesselData()->setVesselType(37);
        m_model->messages()->setHighRateEnabled(highRate);
        m_model->messages()->setHighRateSog(15);
        m_model->messages()->setHighRateInterval(30);
        LogFile log;
        QVERIFY(log.Open(m_path));
        QVERIFY(log.AppendRow(m_model.data()));
        QVERIFY(log.AppendRow(m_model.data()));
        const QStringList lines = QString::fromUtf8(Contents(m_path)).split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 4);
        const QRegularExpression when(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d,\\d\\d/\\d\\d/\\d{4},"));
        for (int row = 1; row <= 2; ++row) {
            QVERIFY(when.match(lines.at(row)).hasMatch());
            QCOMPARE(lines.at(row).mid(20), expected);
        }
        QCOMPARE(lines.at(3), QString());
    }

    void marksAMissingModel()
    {
        LogFile log;
        QVERIFY(log.Open(m_path));
        QVERIFY(log.AppendRow(nullptr));
        QVERIFY(Contents(m_path).endsWith("\nError NULL Model!\n"));
    }

    void reportsALogThatCannotBeWritten()
    {
        LogFile log;
        QVERIFY(!log.Open(m_dir->filePath(QStringLiteral("missing/velmoraProgrammed.csv"))));
        QVERIFY(!log.AppendRow(m_model.data()));
        QVERIFY(!log.Export(m_dir->filePath(QStringLiteral("copy.csv"))));
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("copy.csv"))));
    }

    void exportReplacesAnExistingFileWhole()
    {
        LogFile log;
        QVERIFY(log.Open(m_path));
        QVERIFY(log.AppendRow(m_model.data()));
        const QString target = m_dir->filePath(QStringLiteral("export.csv"));
        WriteFile(target, QByteArray(10000, 'x'));
        QSignalSpy finished(&log, &LogFile::ExportFinished);
        log.on_ExportConfigurationLog(target);
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.first().at(0).toBool(), true);
        QCOMPARE(finished.first().at(1).toString(), target);
        QCOMPARE(Contents(target), Contents(m_path));
        log.on_ExportConfigurationLog(QString());
        QCOMPARE(finished.count(), 1);
    }

    void failedExportKeepsThePreviousFile()
    {
        const QString target = m_dir->filePath(QStringLiteral("export.csv"));
        WriteFile(target, "the user's earlier export\n");
        LogFile unopened;
        QSignalSpy finished(&unopened, &LogFile::ExportFinished);
        unopened.on_ExportConfigurationLog(target);
        QCOMPARE(finished.first().at(0).toBool(), false);
        QCOMPARE(Contents(target), QByteArray("the user's earlier export\n"));
    }

    void exportFailsWithoutWriteAccess()
    {
        LogFile log;
        QVERIFY(log.Open(m_path));
        const QString folder = m_dir->filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(folder));
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        // The superuser writes anywhere; a folder of the proc file system
        // refuses even it.
        const QString target = QFileInfo(folder).isWritable() ? QStringLiteral("/proc/velmora-export.csv")
                                                              : folder + QStringLiteral("/export.csv");
        QVERIFY(!log.Export(target));
        QVERIFY(!log.ErrorString().isEmpty());
        QVERIFY(!QFile::exists(target));
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

private:
    QScopedPointer<QTemporaryDir> m_dir;
    QScopedPointer<Model> m_model;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestLogFile)
#include "TestLogFile.moc"
