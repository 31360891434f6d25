#include "certificate/ProgrammingCertificate.h"
#include "profile/ProfileFile.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestProgrammingCertificate : public QObject {
    Q_OBJECT

    static ProgrammingRecord Record()
    {
        Model model;
        model.messages()->setPositionInterval(600);
        ProfileOrigin origin;
        origin.generation = 4;
        ProgrammingRecord record;
        record.at = QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
        record.serialNumber = QStringLiteral("SN/1");
        record.mmsi = QStringLiteral("235012345");
        record.vesselName = QStringLiteral("SEA BREEZE");
        record.generation = 4;
        record.settings = ProfileFile::ToJson(Profile::FromModel(model, origin));
        return record;
    }

    static QString PdfText(const QString& path)
    {
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty()) {
            qWarning("pdftotext is missing: scripts/install-deps.sh installs poppler-utils");
            return QString();
        }
        QProcess process;
        process.start(pdftotext, { path, QStringLiteral("-") });
        process.waitForFinished(20000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void pdfHoldsTheDeviceAndTheVerdict()
    {
        QTemporaryDir folder;
        ProgrammingRecord record = Record();
        QCOMPARE(
            ProgrammingCertificate::FileName(record), QStringLiteral("235012345-SN_1-20240501-100000.pdf"));
        for (bool verified : { true, false }) {
            record.verified = verified;
            const QString path = folder.filePath(QStringLiteral("certificate.pdf"));
            QString error;
            QVERIFY2(ProgrammingCertificate::WritePdf(record, path, &error), qPrintable(error));
            const QString text = PdfText(path);
            for (const QString& expected :
                { record.mmsi, record.serialNumber, record.vesselName, QStringLiteral("600 s"),
                    verified ? QStringLiteral("Verified: written and read back")
                             : QStringLiteral("Not verified") }) {
                QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
            }
        }
    }

    // A programming's record lists what was sent, marks what was only read
    // from the device, and leaves out what was neither.
    void recordListsOnlyWhatWasSentOrRead()
    {
        Model model;
        model.messages()->setPositionInterval(600);
        model.alerts()->setSosMessage(QStringLiteral("CALL COASTGUARD"));
        ProfileOrigin origin;
        origin.generation = 4;
        Profile sent = Profile::FromModel(model, origin);
        sent.Restrict(
            { QStringLiteral("messages.positionInterval") }, { QStringLiteral("control.sosMessage") });
        ProgrammingRecord record = Record();
        record.settings = ProfileFile::ToJson(sent);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("certificate.pdf"));
        QString error;
        QVERIFY2(ProgrammingCertificate::WritePdf(record, path, &error), qPrintable(error));
        const QString text = PdfText(path).simplified();
        QVERIFY2(text.contains(QStringLiteral("600 s")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("CALL COASTGUARD (read, not sent)")),
            qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("MHz")) && !text.contains(QStringLiteral("3600 s"))
                && !text.contains(QStringLiteral("Dimensions")),
            qPrintable(text));
    }

    // The owner reads where the device sits, its type and where it was
    // programmed from in words, numbers in the reader's locale and a long
    // name whole.
    void pageReadsAsTheOwnerWould()
    {
        Model model;
        const int metres[] = { 8, 4, 2, 1 };
        for (int which = 0; which < StaticData::DimensionCount; ++which)
            model.staticData()->setDimensionMetres(StaticData::Dimension(which), metres[which]);
        ProfileOrigin origin;
        origin.generation = 4;
        ProgrammingRecord record = Record();
        record.settings = ProfileFile::ToJson(Profile::FromModel(model, origin));
        record.source = QStringLiteral("command line");
        record.user = QStringLiteral("Harbour Electronics Service Engineer Team");
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("certificate.pdf"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QString error;
        const bool written = ProgrammingCertificate::WritePdf(record, path, &error);
        QLocale::setDefault(QLocale::c());
        QVERIFY2(written, qPrintable(error));
        const QString text = PdfText(path).simplified();
        for (const QString& expected : { QStringLiteral("Dimensions A 8 m, B 4 m, C 2 m, D 1 m"),
                 QStringLiteral("Later generation (type 4)"), QStringLiteral("velmora (command line)"),
                 QStringLiteral("161,975 MHz"), record.user }) {
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + text));
        }
    }

    void missingFolderFailsAndLeavesNothing()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/certificate.pdf"));
        QString error;
        QVERIFY(!ProgrammingCertificate::WritePdf(Record(), path, &error));
        QVERIFY2(error.contains(path), qPrintable(error));
        QCOMPARE(QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

QTEST_MAIN(TestProgrammingCertificate)
#include "TestProgrammingCertificate.moc"
