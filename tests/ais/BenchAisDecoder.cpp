// Decoder throughput on the AIS captures against gpsd's gpsdecode on the same
// sentences, both in sentences per second of processor time so that a busy
// machine does not skew the ratio. Ours is measured twice: decoding alone,
// and decoding with each message written as JSON, which is what gpsdecode -j
// does.
#include "AisCorpus.h"
#include "GpsdecodeTiming.h"
#include "ais/AisDecoder.h"

#include <QJsonDocument>
#include <QTemporaryFile>
#include <QtTest>

#include <ctime>

namespace {

const int repeats = 200;

} // namespace

class BenchAisDecoder : public QObject {
    Q_OBJECT

private slots:
    void sentencesPerSecond()
    {
        const QByteArrayList lines = aisCorpus();
        QVERIFY(!lines.isEmpty());
        const qint64 sentences = qint64(lines.size()) * repeats;
        const double decodeOnly = oursPerSecond(lines, false);
        const double withJson = oursPerSecond(lines, true);
        QVERIFY(m_jsonBytes > 0);
        qInfo("ours: %.0f sentences per second of processor time, %.0f writing JSON", decodeOnly, withJson);

        QTemporaryFile input;
        QVERIFY(input.open());
        for (int pass = 0; pass < repeats; ++pass) {
            input.write(lines.join());
        }
        input.close();
        const QString program = QStandardPaths::findExecutable(QStringLiteral("gpsdecode"));
        if (program.isEmpty()) {
            QSKIP("gpsdecode (Debian package gpsd-clients) is not installed");
        }
        const double seconds = GpsdecodeProcessorSeconds(program, input.fileName());
        QVERIFY(seconds > 0);
        const double theirs = sentences / seconds;
        qInfo("gpsdecode -j: %.0f sentences per second of processor time; ours %.1f times that decoding, "
              "%.1f times writing JSON",
            theirs, decodeOnly / theirs, withJson / theirs);
    }

private:
    double oursPerSecond(const QByteArrayList& lines, bool json)
    {
        AisDecoder decoder;
        const std::clock_t start = std::clock();
        for (int pass = 0; pass < repeats; ++pass) {
            for (const QByteArray& line : lines) {
                const std::optional<AisMessage> message = decoder.Add(line);
                if (json && message) {
                    m_jsonBytes += QJsonDocument(message->ToJson()).toJson(QJsonDocument::Compact).size();
                }
            }
        }
        const double seconds = double(std::clock() - start) / CLOCKS_PER_SEC;
        return lines.size() * repeats / seconds;
    }

    qint64 m_jsonBytes = 0;
};

QTEST_GUILESS_MAIN(BenchAisDecoder)
#include "BenchAisDecoder.moc"
