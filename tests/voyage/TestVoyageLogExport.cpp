#include "ExternalReaders.h"
#include "FileSizeLimit.h"
#include "VoyageTestSupport.h"
#include "voyage/VoyageLogExport.h"

#include <QtTest>

namespace {

const QStringList headers { "Date", "Time", "Latitude", "Longitude", "SOG", "COG", "Bat. volts",
    "Off bracket", "SOS", "Geofence", "Power fail", "ID error" };

VoyageLogExport::Records decoded(const QStringList& fieldLists)
{
    VoyageLogExport::Records records;
    for (const QString& fields : fieldLists) {
        VoyageRecord record;
        if (VoyageRecord::decode(vdrLine(fields), record, QDate(2026, 6, 1))) {
            records.append(record);
        }
    }
    return records;
}

// A located record, one without a latitude, one located with no speed or
// course, one without a longitude.
const QStringList sampleFields { "123519,5130.1234,N,00012.3456,W,12.3,270.5,010126, 3.61,A,V,V,V,V",
    "130000,,N,00012.0000,E,1.0,2.0,010126,3.60,V,V,V,V,V",
    "140000,3345.0000,S,07030.0000,E,,,020126,3.55,V,A,V,A,V",
    "150000,5100.0000,N,,,0.0,0.0,020126,,V,V,V,V,V" };

VoyageLogExport::Records sampleRecords()
{
    return decoded(sampleFields);
}

QByteArray readAll(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

const char* const expectedCsv
    = "Date,Time,Latitude,Longitude,SOG,COG,Bat. volts,Off bracket,SOS,Geofence,Power "
      "fail,ID error,\n"
      "2026-01-01,12:35:19,51.502057,-0.205760,12.3,270.5,3.61,Yes,No,No,No,No,\n"
      "2026-01-01,13:00:00,,0.200000,1.0,2.0,3.60,No,No,No,No,No,\n"
      "2026-01-02,14:00:00,-33.750000,70.500000,,,3.55,No,Yes,No,Yes,No,\n"
      "2026-01-02,15:00:00,51.000000,,0.0,0.0,0.00,No,No,No,No,No,\n";

// The expected KML of sampleRecords(), written as "voyage.kml".
QString expectedKml()
{
    return QString::fromUtf8(readAll(QStringLiteral(VOYAGE_TEST_DIR "/voyage.kml")));
}

} // namespace

class TestVoyageLogExport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const QString& name) const { return dir.filePath(name); }

    QString writtenKml(const VoyageLogExport::Records& records)
    {
        const QString fileName = path("voyage.kml");
        if (!VoyageLogExport::writeKml(fileName, records)) {
            return QString();
        }
        return QString::fromUtf8(readAll(fileName));
    }

private slots:
    // CTest runs this test twice: as it is, and in a process whose locale
    // writes a decimal comma, where it says so, so that run cannot quietly
    // fall back to a decimal point.
    void initTestCase()
    {
        if (qEnvironmentVariableIsSet("VOYAGE_EXPECT_DECIMAL_COMMA")) {
            QCOMPARE(QLocale().decimalPoint(), QLatin1Char(','));
        }
    }

    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void csvHasHeaderAndOneLinePerRecord()
    {
        const QString fileName = path("voyage.csv");
        QVERIFY(VoyageLogExport::writeCsv(fileName, headers, sampleRecords()));
        QCOMPARE(QString::fromUtf8(readAll(fileName)), QString::fromLatin1(expectedCsv));
    }

    void csvLoadsInStandardReader()
    {
        const QString fileName = path("reader.csv");
        // A reader takes a bare field that opens with a quote for a quoted one.
        QVERIFY(
            VoyageLogExport::writeCsv(fileName, { "Date", "Bat, volts", "\"SOS\" sent" }, sampleRecords()));
        QJsonArray rows;
        const QString error = ExternalReaders::CsvRows(fileName, &rows).error;
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(rows.size(), 5);
        QCOMPARE(rows.at(0).toArray(), QJsonArray({ "Date", "Bat, volts", "\"SOS\" sent", "" }));
        const QJsonArray second = rows.at(2).toArray();
        QCOMPARE(second.size(), 13);
        QCOMPARE(second.at(2).toString(), QString());
        QCOMPARE(second.at(3).toString(), QStringLiteral("0.200000"));
        QCOMPARE(second.at(12).toString(), QString());
    }

    void kmlHasTrackAndPointsOfLocatedRecords() { QCOMPARE(writtenKml(sampleRecords()), expectedKml()); }

    void kmlUsesDecimalPointsUnderDecimalCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(QStringLiteral("%L1").arg(1.5, 0, 'f', 1), QStringLiteral("1,5"));
        QCOMPARE(writtenKml(sampleRecords()), expectedKml());
        QVERIFY(VoyageLogExport::writeCsv(path("comma.csv"), headers, sampleRecords()));
        QCOMPARE(QString::fromUtf8(readAll(path("comma.csv"))), QString::fromLatin1(expectedCsv));
    }

    void kmlWithoutLocatedRecordsHasAnEmptyTrack()
    {
        const QString kml = writtenKml(decoded({ "130000,,,,,1.0,2.0,010126,3.60,V,V,V,V,V" }));
        QVERIFY(kml.contains("<coordinates></coordinates>"));
        QVERIFY(!kml.contains("<Point>"));
    }

    void kmlNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("track");
        QTest::newRow("slashes") << "/home/skipper/trip.kml"
                                 << "trip.kml"
                                 << "trip";
        QTest::newRow("backslashes and dots") << "C:\\Users\\skipper\\trip.2026.kml"
                                              << "trip.2026.kml"
                                              << "trip.2026";
        QTest::newRow("mixed, no extension") << "C:\\Users/skipper\\trip"
                                             << "trip"
                                             << "trip";
    }

    void kmlNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, document);
        QFETCH(QString, track);
        QCOMPARE(VoyageLogExport::fileNameOnly(fileName), document);
        QCOMPARE(VoyageLogExport::trackName(fileName), track);
    }

    void nameTakesTheFormatsExtension_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("written");
        QTest::newRow("other extension") << "/home/skipper/log.csv"
                                         << "kml"
                                         << "/home/skipper/log.csv.kml";
        QTest::newRow("none") << "/home/skipper/log"
                              << "csv"
                              << "/home/skipper/log.csv";
        QTest::newRow("dot only in a folder") << "C:\\trip.2026\\log"
                                              << "kml"
                                              << "C:\\trip.2026\\log.kml";
        QTest::newRow("same, other case") << "/home/skipper/LOG.KML"
                                          << "kml"
                                          << "/home/skipper/LOG.KML";
    }

    void nameTakesTheFormatsExtension()
    {
        QFETCH(QString, typed);
        QFETCH(QString, extension);
        QFETCH(QString, written);
        QCOMPARE(VoyageLogExport::withExtension(typed, extension), written);
    }

    void kmlValidatesAgainstSchema_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::newRow("sample") << sampleFields;
        QTest::newRow("no records") << QStringList();
        QTest::newRow("none located") << QStringList("130000,,,,,1.0,2.0,010126,3.60,V,V,V,V,V");
        QTest::newRow("one located") << QStringList(
            "140000,3345.0000,S,07030.0000,E,,,020126,3.55,V,A,V,A,V");
        QTest::newRow("invalid date and time")
            << QStringList("996199,5100.0000,N,00100.0000,E,,,320226,,V,V,V,V,V");
    }

    void kmlValidatesAgainstSchema()
    {
        QFETCH(QStringList, fields);
        const QString fileName = path(QStringLiteral("schema & <%1>.kml").arg(QTest::currentDataTag()));
        QVERIFY(VoyageLogExport::writeKml(fileName, decoded(fields)));
        const QString error = ExternalReaders::ValidateKml(fileName);
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }

    void kmlReadsInIndependentReader()
    {
        const QString fileName = path("ogr.kml");
        QVERIFY(VoyageLogExport::writeKml(fileName, sampleRecords()));
        QStringList geometries;
        const QString error = ExternalReaders::KmlGeometries(fileName, &geometries).error;
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(geometries,
            QStringList({ "LINESTRING Z (-0.20576 51.502057 0,70.5 -33.75 0)",
                "POINT Z (-0.20576 51.502057 0)", "POINT Z (70.5 -33.75 0)" }));
    }

    void failedExportKeepsPreviousFile_data()
    {
        QTest::addColumn<bool>("kml");
        QTest::newRow("csv") << false;
        QTest::newRow("kml") << true;
    }

    void failedExportKeepsPreviousFile()
    {
        QFETCH(bool, kml);
        QVERIFY(QDir(dir.path()).mkpath(QTest::currentDataTag()));
        const QString folder = path(QTest::currentDataTag());
        const QString fileName = folder + (kml ? "/kept.kml" : "/kept.csv");
        const VoyageLogExport::Records good = sampleRecords();
        QVERIFY(kml ? VoyageLogExport::writeKml(fileName, good)
                    : VoyageLogExport::writeCsv(fileName, headers, good));
        const QByteArray before = readAll(fileName);

        VoyageLogExport::Records many;
        for (int i = 0; i < 500; ++i) {
            many += good;
        }
        bool written = true;
        {
            const FileSizeLimit limit(4096);
            written = kml ? VoyageLogExport::writeKml(fileName, many)
                          : VoyageLogExport::writeCsv(fileName, headers, many);
        }
        QVERIFY(!written);
        QCOMPARE(readAll(fileName), before);
        QCOMPARE(
            QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList(QFileInfo(fileName).fileName()));
    }

    void unopenableFileFails()
    {
        QVERIFY(!VoyageLogExport::writeCsv(path("missing/folder/x.csv"), headers, sampleRecords()));
        QVERIFY(!VoyageLogExport::writeKml(path("missing/folder/x.kml"), sampleRecords()));
    }
};

QTEST_GUILESS_MAIN(TestVoyageLogExport)
#include "TestVoyageLogExport.moc"
