// The AIS decoder: sentence handling on crafted lines, and every field it
// fills against gpsd's decoder on the captures in tests/data/ais.
#include "AisCorpus.h"
#include "ais/AisDecoder.h"

#include <QJsonDocument>
#include <QtTest>

namespace {

QByteArray sentence(const QByteArray& body)
{
    int checksum = 0;
    for (const char c : body) {
        checksum ^= static_cast<unsigned char>(c);
    }
    return '!' + body + '*' + QByteArray::number(checksum, 16).rightJustified(2, '0').toUpper();
}

// What came out, message by message: "type:mmsi", with " own" for !AIVDO.
QString decodeAll(const QByteArrayList& lines)
{
    AisDecoder decoder;
    QStringList decoded;
    for (const QByteArray& line : lines) {
        if (const std::optional<AisMessage> message = decoder.Add(line)) {
            decoded.append(QStringLiteral("%1:%2%3")
                               .arg(message->type)
                               .arg(message->mmsi)
                               .arg(message->own ? QStringLiteral(" own") : QString()));
        }
    }
    return decoded.join(QLatin1Char(' '));
}

// Where gpsd's output differs from what the message says: it drops the sign
// of the rate of turn, reads the vendor id as the older seven-character field,
// and leaves out "part" when it reports both parts of a type 24 together.
bool agrees(const QString& key, const QJsonValue& ours, const QJsonValue& theirs)
{
    if (key == QLatin1String("turn") && ours.isDouble()) {
        return std::abs(ours.toDouble()) == theirs.toDouble();
    }
    if (key == QLatin1String("vendorid")) {
        return theirs.toString().startsWith(ours.toString());
    }
    if (key == QLatin1String("part") && theirs.isUndefined()) {
        return true;
    }
    if (ours.isDouble()) {
        return std::abs(ours.toDouble() - theirs.toDouble()) < 0.6e-6;
    }
    return ours == theirs;
}

} // namespace

class TestAisDecoder : public QObject {
    Q_OBJECT

private slots:
    void sentences_data()
    {
        const QByteArray position = "1,1,,A,13aDp<PP000IwSlN?Wm@0?wN2<1T,0";
        const QByteArray first = "AIVDM,2,1,9,B,55R3Vn82=ILTQ3KKS>1<D60Dq@E918U<F222221J1`?164vc03S1CCAD,0";
        const QByteArray second = "AIVDM,2,2,9,B,`88888888888880,2";
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<QString>("decoded");
        QTest::newRow("line end, own")
            << QByteArrayList { sentence("AIVDO," + position) + "\r\n" } << "1:244660274 own";
        QTest::newRow("bad checksum") << QByteArrayList { "!AIVDM," + position + "*28" } << "";
        QTest::newRow("other talker") << QByteArrayList { sentence("BSVDM," + position) } << "";
        QTest::newRow("cut short") << QByteArrayList { sentence("AIVDM,1,1,,A"), "!AIVDM,1,1,,A,1" } << "";
        QTest::newRow("not armour") << QByteArrayList {
            sentence("AIVDM,1,1,,A,13aDp<PP000IwSlN?Wm@0?wN2<1X,0")
        } << "";
        QTest::newRow("too short") << QByteArrayList {
            sentence("AIVDM,1,1,,A,13aDp<PP000IwSlN?Wm@0?wN2<1,0")
        } << "";
        QTest::newRow("too short by its fill bits")
            << QByteArrayList { sentence("AIVDM,1,1,,A,13aDp<PP000IwSlN?Wm@0?wN2<1T,1") } << "";
        QTest::newRow("longer than five slots")
            << QByteArrayList { sentence("AIVDM,1,1,,A,>" + QByteArray(168, '0') + ",0") } << "";
        QTest::newRow("unknown type")
            << QByteArrayList { sentence("AIVDM,1,1,,A,I3aDp<PP,0") } << "25:244660274";
        QTest::newRow("two parts") << QByteArrayList { sentence(first), sentence(second) } << "5:371255000";
        QTest::newRow("second part alone") << QByteArrayList { sentence(second) } << "";
        QTest::newRow("part missing") << QByteArrayList { sentence(first), sentence("AIVDM," + position),
            sentence(first), sentence("AIVDM,2,2,8,B,`88888888888880,2"), sentence(second), sentence(second) }
                                      << "1:244660274 5:371255000";
    }

    void sentences()
    {
        QFETCH(QByteArrayList, lines);
        QFETCH(QString, decoded);
        QCOMPARE(decodeAll(lines), decoded);
    }

    // Values a transmitter marks "not available" are absent, not numbers.
    void notAvailable()
    {
        const std::optional<AisMessage> message
            = AisDecoder().Add("!AIVDM,1,1,,A,139>JhgP?w<tSF0l4Q@>4?wp0000,0*68");
        QVERIFY(message);
        QVERIFY(!message->lat && !message->lon && !message->speed && !message->course && !message->heading);
    }

    void shipTypeName()
    {
        QCOMPARE(AisDecoder::ShipTypeName(0), QStringLiteral("Not available"));
        QCOMPARE(AisDecoder::ShipTypeName(36), QStringLiteral("Sailing"));
        QCOMPARE(AisDecoder::ShipTypeName(37), QStringLiteral("Pleasure craft"));
        QCOMPARE(AisDecoder::ShipTypeName(79), QStringLiteral("Cargo"));
        QCOMPARE(AisDecoder::ShipTypeName(38), QStringLiteral("Reserved"));
        QCOMPARE(AisDecoder::ShipTypeName(255), QStringLiteral("Reserved"));
    }

    void agreesWithGpsdecode()
    {
        const QByteArrayList lines = aisCorpus();
        QVERIFY(lines.size() > 1500);
        const QByteArrayList theirs = gpsdecodeOutput(lines);
        if (theirs.isEmpty()) {
            QSKIP("gpsdecode (Debian package gpsd-clients) is not installed");
        }
        AisDecoder decoder;
        QSet<int> types;
        int index = 0;
        for (const QByteArray& line : lines) {
            const std::optional<AisMessage> message = decoder.Add(line);
            if (!message) {
                continue;
            }
            QVERIFY2(index < theirs.size(), line.constData());
            const QJsonObject reference = QJsonDocument::fromJson(theirs.at(index++)).object();
            const QJsonObject ours = message->ToJson();
            types.insert(message->type);
            for (auto field = ours.begin(); field != ours.end(); ++field) {
                QVERIFY2(agrees(field.key(), field.value(), reference.value(field.key())),
                    qPrintable(QStringLiteral("%1 %2: ours %3, gpsd %4")
                                   .arg(QString::fromLatin1(line.trimmed()), field.key(),
                                       QString::fromUtf8(
                                           QJsonDocument(QJsonObject { { field.key(), field.value() } })
                                               .toJson(QJsonDocument::Compact)),
                                       QString::fromUtf8(theirs.at(index - 1)))));
            }
        }
        QCOMPARE(index, theirs.size());
        for (const int type : { 1, 2, 3, 5, 14, 18, 19, 21, 24 }) {
            QVERIFY2(types.contains(type), qPrintable(QString::number(type)));
        }
    }
};

QTEST_GUILESS_MAIN(TestAisDecoder)
#include "TestAisDecoder.moc"
