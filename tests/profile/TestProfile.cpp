#include "profile/ProfileBackups.h"
#include "profile/ProfileComparison.h"
#include "profile/ProfileFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace {

// A device whose every setting differs from the model's defaults.
Profile Sample(int generation)
{
    Model model;
    model.mmsi()->setText(QStringLiteral("235000001"));
    model.staticData()->setVesselName(QStringLiteral("SEA, BREEZE"));
    model.staticData()->setCallSign(QStringLiteral("MABC1"));
    model.staticData()->setDimension(StaticData::DimensionA, 10.5f);
    model.staticData()->setDimensionFeet(StaticData::DimensionC, 33);
    model.vesselData()->setVesselType(37);
    model.messages()->setPositionInterval(600);
    model.messages()->setHighRateEnabled(true);
    model.messages()->setHighRateInterval(120);
    model.messages()->setHighRateSog(20);
    model.messages()->setChannelBFrequency(156025000);
    model.alerts()->setOffBracketMode(0);
    model.alerts()->setSosMessage(QStringLiteral("HELP"));
    model.alerts()->setInsideGeofenceMode(2);
    model.alerts()->setPowerBoxEnabled(true);
    model.geoBoundary()->setHalvexFenceEnabled(false);
    model.geoBoundary()->setInsideBoundary(false);
    model.voyageLog()->setLogPeriod(1200);
    model.setSbasEnabled(false);
    ProfileOrigin origin;
    origin.savedAt = QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC);
    origin.generation = generation;
    origin.family = generation == 4 ? QStringLiteral("160200") : QStringLiteral("050200");
    origin.serialNumber = QStringLiteral("SN1");
    return Profile::FromModel(model, origin);
}

QJsonObject SampleJson(int generation)
{
    return QJsonDocument::fromJson(ProfileFile::ToJson(Sample(generation))).object();
}

QByteArray WithValue(QJsonObject root, const QString& section, const QString& key, const QJsonValue& value)
{
    QJsonObject part = root.value(section).toObject();
    part.insert(key, value);
    root.insert(section, part);
    return QJsonDocument(root).toJson();
}

QStringList Rows(const Profile& a, const Profile& b, bool differing)
{
    QStringList names;
    for (const ProfileComparisonRow& row : ProfileComparison::Compare(a, b)) {
        if (row.differs == differing)
            names << row.setting;
    }
    return names;
}

} // namespace

class TestProfile : public QObject {
    Q_OBJECT

private slots:
    void roundTripKeepsEverySetting_data();
    void roundTripKeepsEverySetting();
    void deviceValuesRoundTrip();
    void checkedValue_data();
    void checkedValue();
    void unknownKeyNewerVersionAndDamage();
    void onlyRegularFilesOfProfileSizeAreRead();
    void applyKeepsMmsiAndSkipsOtherGeneration();
    void documentedExampleOpens();
    void csvQuotesFields();
    void mismatchesCompareAsTheDeviceKeeps();
    void valuesShownInTheReadersLocale();
    void backupsKeepNewestFiftyPerSerial();
};

void TestProfile::roundTripKeepsEverySetting_data()
{
    QTest::addColumn<int>("generation");
    QTest::newRow("first generation") << 2;
    QTest::newRow("later generation") << 4;
}

// Equality through the comparison: every setting the generation has.
void TestProfile::roundTripKeepsEverySetting()
{
    QFETCH(int, generation);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.json"));
    QString error;
    QVERIFY(ProfileFile::Write(Sample(generation), path, &error));
    const ProfileReadResult read = ProfileFile::Read(path);
    QVERIFY2(read.ok, qPrintable(read.problems.join(QLatin1Char('\n'))));
    QCOMPARE(read.profile.Origin().savedAt, Sample(generation).Origin().savedAt);
    QCOMPARE(Rows(read.profile, Sample(generation), true), QStringList());
    QCOMPARE(Rows(read.profile, Profile(), true).size() > 10, true);
}

// A backup taken before a reset opens again, whatever the device held.
void TestProfile::deviceValuesRoundTrip()
{
    Profile held = Sample(2);
    held.vesselData().setVesselType(99);
    held.staticData().setVesselName(QStringLiteral("sea breeze"));
    held.staticData().setDimension(StaticData::DimensionA, 600);
    held.alerts().setSosMessage(QStringLiteral("help us"));
    held.voyageLog().setLogDistance(50);
    held.messages().setPositionInterval(2);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("backup.json"));
    QString error;
    QVERIFY(ProfileFile::Write(held, path, &error));
    const ProfileReadResult read = ProfileFile::Read(path);
    QVERIFY2(read.ok, qPrintable(read.problems.join(QLatin1Char('\n'))));
    QCOMPARE(Rows(read.profile, held, true), QStringList());
    QStringList warned;
    for (const QString& warning : read.warnings) {
        warned << warning.section(QLatin1Char(' '), 0, 0);
    }
    QCOMPARE(warned,
        QStringList({ "vessel.name", "vessel.type", "vessel.dimensionA", "messages.positionInterval",
            "control.sosMessage", "voyageLog.distance" }));
}

// What a device could not be sent refuses the file; what only the pages
// would not offer is read and said.
void TestProfile::checkedValue_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QString>("why");
    QTest::newRow("mmsi digits") << "vessel"
                                 << "mmsi" << QJsonValue("23500000x") << true << "9 digits";
    QTest::newRow("call sign length") << "vessel"
                                      << "callSign" << QJsonValue("ABCDEFGH") << true << "longer than 7";
    QTest::newRow("call sign control character")
        << "vessel"
        << "callSign" << QJsonValue("A\tB") << true << "cannot be sent";
    QTest::newRow("vessel type beyond a byte")
        << "vessel"
        << "type" << QJsonValue(256) << true << "256 is outside -1 to 255";
    QTest::newRow("dimension beyond its field")
        << "vessel"
        << "dimensionA" << QJsonValue(999.5) << true << "999.5 is outside 0 to 999";
    QTest::newRow("negative dimension as written")
        << "vessel"
        << "dimensionD" << QJsonValue(-0.4) << true << ": -0.4 is outside 0 to 99";
    QTest::newRow("dimension too large")
        << "vessel"
        << "dimensionB" << QJsonValue(1e300) << true << "1e+300 is too large";
    QTest::newRow("sos beyond its field")
        << "control"
        << "sosMessage" << QJsonValue(QString(21, 'A')) << true << "longer than 20";
    QTest::newRow("flag type") << "powerBox"
                               << "enabled" << QJsonValue(1) << true << "true or false";
    QTest::newRow("whole number") << "messages"
                                  << "highRateSog" << QJsonValue(10.5) << true << "whole number";
    QTest::newRow("missing") << "control"
                             << "sbasEnabled" << QJsonValue(QJsonValue::Undefined) << true << "missing";
    QTest::newRow("call sign lower case") << "vessel"
                                          << "callSign" << QJsonValue("ab") << false << "not allowed";
    QTest::newRow("vessel type not offered") << "vessel"
                                             << "type" << QJsonValue(38) << false << "offered";
    QTest::newRow("dimension past the page")
        << "vessel"
        << "dimensionC" << QJsonValue(63.6) << false << "63.6 is outside";
    QTest::newRow("interval not listed") << "messages"
                                         << "positionInterval" << QJsonValue(45) << false << "not one of";
    QTest::newRow("high rate not shorter") << "messages"
                                           << "highRateInterval" << QJsonValue(600) << false << "shorter";
    QTest::newRow("sog range") << "messages"
                               << "highRateSog" << QJsonValue(51) << false << "outside";
    QTest::newRow("frequency range") << "messages"
                                     << "channelAFrequency" << QJsonValue(162030000) << false << "outside";
    QTest::newRow("mode range") << "control"
                                << "insideGeofence" << QJsonValue(3) << false << "outside";
    QTest::newRow("sos past the page")
        << "control"
        << "sosMessage" << QJsonValue(QString(17, 'A')) << false << "longer than 16";
    QTest::newRow("log period step") << "voyageLog"
                                     << "period" << QJsonValue(1500) << false << "multiple";
    QTest::newRow("log distance range") << "voyageLog"
                                        << "distance" << QJsonValue(300) << false << "outside";
}

void TestProfile::checkedValue()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QJsonValue, value);
    QFETCH(bool, refused);
    QFETCH(QString, why);
    QJsonObject root = SampleJson(2);
    QJsonObject part = root.value(section).toObject();
    value.isUndefined() ? void(part.remove(key)) : void(part.insert(key, value));
    root.insert(section, part);
    // "@" is how the device marks a text as not set; it must not count as bad.
    QJsonObject vessel = root.value(QStringLiteral("vessel")).toObject();
    vessel.insert(QStringLiteral("name"), QStringLiteral("@@@"));
    root.insert(QStringLiteral("vessel"), vessel);

    const ProfileReadResult read = ProfileFile::FromJson(QJsonDocument(root).toJson());
    QCOMPARE(read.ok, !refused);
    const QStringList said = refused ? read.problems : read.warnings;
    QCOMPARE(said.size(), 1);
    QVERIFY2(said.first().startsWith(section + QLatin1Char('.') + key), qPrintable(said.first()));
    QVERIFY2(said.first().contains(why), qPrintable(said.first()));
    QCOMPARE(read.profile.Mmsi(), refused ? MMSI().text() : QStringLiteral("235000001"));
}

void TestProfile::unknownKeyNewerVersionAndDamage()
{
    QJsonObject root = SampleJson(4);
    root.insert(QStringLiteral("comment"), QStringLiteral("fleet A"));
    const ProfileReadResult unknown
        = ProfileFile::FromJson(WithValue(root, QStringLiteral("control"), QStringLiteral("future"), 7));
    QVERIFY(unknown.ok);
    // A backup of a device whose vessel type was never set.
    QVERIFY(ProfileFile::FromJson(WithValue(root, QStringLiteral("vessel"), QStringLiteral("type"), 0)).ok);

    for (const double version : { 2.0, 3000000000.0 }) {
        root.insert(QStringLiteral("version"), version);
        const ProfileReadResult newer = ProfileFile::FromJson(QJsonDocument(root).toJson());
        QVERIFY(!newer.ok);
        QVERIFY2(newer.problems.first().contains(
                     QStringLiteral("format version %1, written by a newer program").arg(qint64(version))),
            qPrintable(newer.problems.first()));
    }

    for (const QByteArray& damaged : { QByteArray("{\"format\": \"velmora-profile\", \"vers"),
             QByteArray("[1]"), QByteArray("{\"format\": \"other\"}") }) {
        const ProfileReadResult read = ProfileFile::FromJson(damaged);
        QVERIFY(!read.ok);
        QCOMPARE(read.problems.size(), 1);
    }
    QVERIFY(!ProfileFile::Read(QStringLiteral("/nonexistent/p.json")).problems.isEmpty());
}

// A later-generation profile on a first-generation device: shared settings
// are taken, the MMSI only on request, fences skipped and the device's own
// power box and geofence behaviour kept.
void TestProfile::onlyRegularFilesOfProfileSizeAreRead()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile large(dir.filePath(QStringLiteral("large.json")));
    QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(ProfileFile::MaxBytes + 1));
    large.close();
    const QStringList expected { QStringLiteral("/dev/zero is not a regular file."),
        fifo + QStringLiteral(" is not a regular file."),
        large.fileName() + QStringLiteral(" is larger than 16 MB; a profile is a few kilobytes.") };
    QStringList said;
    for (const QString& path : { QStringLiteral("/dev/zero"), fifo, large.fileName() }) {
        said << ProfileFile::Read(path).problems;
    }
    QCOMPARE(said, expected);
}

void TestProfile::applyKeepsMmsiAndSkipsOtherGeneration()
{
    const Profile later = Sample(4);
    Model device;
    device.mmsi()->setText(QStringLiteral("211000002"));
    device.alerts()->setOutsideGeofenceMode(1);
    device.geoBoundary()->setHalvexFenceEnabled(true);
    later.ApplyTo(device, 1, false);
    QCOMPARE(device.mmsi()->text(), QStringLiteral("211000002"));
    QCOMPARE(device.staticData()->vesselName(), QStringLiteral("SEA, BREEZE"));
    QCOMPARE(device.messages()->staticDataInterval(), 600);
    QCOMPARE(device.alerts()->outsideGeofenceMode(), 1);
    QCOMPARE(device.geoBoundary()->halvexFenceEnabled(), true);
    QCOMPARE(device.sbasEnabled(), true);
    QCOMPARE(later.SkippedFor(1),
        QStringList({ "Control: operational fence", "Control: Halvex fence", "Control: encryption fence",
            "Control: SBAS" }));
    later.ApplyTo(device, 4, true);
    QCOMPARE(device.mmsi()->text(), QStringLiteral("235000001"));
    QCOMPARE(device.geoBoundary()->halvexFenceEnabled(), false);
}

void TestProfile::documentedExampleOpens()
{
    QFile doc(QStringLiteral(TESTDATA_DIR "/../../docs/profile-format.md"));
    QVERIFY(doc.open(QIODevice::ReadOnly));
    const QByteArray text = doc.readAll();
    const int start = text.indexOf("```json\n") + 8;
    const ProfileReadResult read = ProfileFile::FromJson(text.mid(start, text.indexOf("```", start) - start));
    QVERIFY2(read.ok, qPrintable(read.problems.join(QLatin1Char('\n'))));
}

void TestProfile::csvQuotesFields()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("c.csv"));
    const QList<ProfileComparisonRow> rows = ProfileComparison::Compare(Sample(2), Sample(4));
    QVERIFY(ProfileComparison::ExportCsv(rows, path, nullptr));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray csv = file.readAll();
    QVERIFY(csv.contains("Vessel: name,\"SEA, BREEZE\",\"SEA, BREEZE\",no\r\n"));
    QVERIFY(csv.contains("Control: Halvex fence,(not on this device),off,no\r\n"));

    // What a device holds before it is given a name reads as such, not as "@@@...".
    Model fresh;
    fresh.staticData()->setVesselName(QStringLiteral("@@@@@@@@@@@@@@@@@@@@"));
    const ProfileComparisonRow name = ProfileComparison::Compare(Sample(2), Profile::FromModel(fresh, {})).at(1);
    QCOMPARE(name.deviceValue, QStringLiteral("(not set)"));
    QString error;
    QVERIFY(!ProfileComparison::ExportCsv(rows, dir.filePath(QStringLiteral("none/c.csv")), &error));
    QVERIFY(!error.isEmpty());
}

// What the device pads, capitalises or rounds is no mismatch; anything else is.
void TestProfile::mismatchesCompareAsTheDeviceKeeps()
{
    const Profile written = Sample(1);
    Profile device = Sample(1);
    device.staticData().setVesselName(QStringLiteral("sea, breeze@@@@@@@@@"));
    device.staticData().setDimension(StaticData::DimensionA, 11.0f);
    QCOMPARE(ProfileComparison::Mismatches(written, device).size(), 0);

    device.staticData().setDimension(StaticData::DimensionA, 10.0f);
    device.alerts().setSosMessage(QStringLiteral("help"));
    const QList<ProfileComparisonRow> rows = ProfileComparison::Mismatches(written, device);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0).deviceValue, QStringLiteral("10 m"));
    QCOMPARE(rows.at(1).profileValue, QStringLiteral("HELP"));
}

// As the pages show them: the reader's decimal comma, and whole metres as
// the device is sent them.
void TestProfile::valuesShownInTheReadersLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QList<ProfileComparisonRow> rows = ProfileComparison::Compare(Sample(4), Sample(4));
    QLocale::setDefault(QLocale::c());
    QStringList shown;
    for (const ProfileComparisonRow& row : rows) {
        if (row.setting.contains(QLatin1String("dimension A"))
            || row.setting.endsWith(QLatin1String("frequency B")))
            shown << row.profileValue;
    }
    QCOMPARE(shown, QStringList({ "11 m", "156,025 MHz" }));
}

void TestProfile::backupsKeepNewestFiftyPerSerial()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("backups"));
    QDir().mkpath(folder);
    for (int i = 0; i < 55; ++i) {
        // The other device's backup is older than fifty of this one's.
        const QString serial = i == 3 ? QStringLiteral("SN2") : QStringLiteral("SN1");
        QFile(
            QStringLiteral("%1/%2-20240101-0000%3.json").arg(folder, serial).arg(i, 2, 10, QLatin1Char('0')))
            .open(QIODevice::WriteOnly);
    }
    ProfileBackups backups(folder);
    QString saved;
    QString second;
    QVERIFY(backups.Save(Sample(2), &saved, nullptr));
    QVERIFY(backups.Save(Sample(2), &second, nullptr));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 51);
    QVERIFY(QFile::exists(saved) && saved != second);
    QCOMPARE(backups.NewestFor(QStringLiteral("SN1")), second);
    QVERIFY(ProfileFile::Read(second).ok);
    QCOMPARE(backups.NewestFor(QStringLiteral("SN2")),
        QString(folder + QStringLiteral("/SN2-20240101-000003.json")));
    QCOMPARE(backups.NewestFor(QStringLiteral("SN3")), QString());
}

QTEST_GUILESS_MAIN(TestProfile)
#include "TestProfile.moc"
