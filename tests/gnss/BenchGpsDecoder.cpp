// Decoder throughput on the real receiver captures, on one core, against
// what a 115200-baud line can deliver at most and against gpsdecode on the
// same captures. The rates are per second of processor time, so that a busy
// machine does not skew them; the wall-clock rate is shown beside ours.
#include "GpsdecodeTiming.h"
#include "gnss/GPSDecoder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtTest>


#include <ctime>

namespace {

const int lineBitsPerSecond = 115200;
// One start bit, eight data bits, one stop bit.
const int bitsPerCharacter = 10;
const qint64 minimumRunMs = 1000;
const double requiredGpsdecodeRatio = 1.2;

} // namespace

class BenchGpsDecoder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        const QDir folder(QStringLiteral(TESTDATA_DIR "/nmea"));
        for (const QString& name : folder.entryList({ QStringLiteral("*.log") })) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            while (!file.atEnd()) {
                const QByteArray bytes = file.readLine();
                m_lines.append(QString::fromLatin1(bytes));
                m_capture += bytes;
                if (bytes.startsWith('$')) {
                    ++m_sentences;
                    m_sentenceBytes += bytes.size();
                }
            }
        }
        QVERIFY(m_sentences > 4000);
    }

    void sentencesPerSecond()
    {
        GPSDecoder decoder;
        QElapsedTimer clock;
        qint64 fed = 0;
        const std::clock_t processorStart = std::clock();
        clock.start();
        while (clock.elapsed() < minimumRunMs) {
            for (const QString& line : qAsConst(m_lines)) {
                decoder.OnReceived(line);
            }
            fed += m_sentences;
        }
        const double processorSeconds = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
        const double rate = fed / processorSeconds;
        const double wallRate = fed * 1000.0 / clock.elapsed();
        const double averageBytes = double(m_sentenceBytes) / m_sentences;
        const double lineRate = lineBitsPerSecond / bitsPerCharacter / averageBytes;
        qInfo(
            "%.0f sentences per second of processor time (%.0f per second of wall time); a 115200-baud line "
            "carries at most %.0f sentences/s of %.1f bytes",
            rate, wallRate, lineRate, averageBytes);
        QVERIFY(rate > 20 * lineRate);
        m_rate = rate;
    }

    // gpsdecode reads the same captures, repeated until it has used a second
    // of processor time, and writes its JSON reports to nowhere.
    void againstGpsdecode()
    {
        const QString gpsdecode = QStandardPaths::findExecutable(QStringLiteral("gpsdecode"));
        if (gpsdecode.isEmpty()) {
            QSKIP("gpsdecode (Debian package gpsd-clients) is not installed");
        }
        QTemporaryFile input;
        QVERIFY(input.open());
        for (int copy = 0; copy < 50; ++copy) {
            input.write(m_capture);
        }
        input.close();
        qint64 fed = 0;
        double processorSeconds = 0;
        while (processorSeconds * 1000 < minimumRunMs) {
            const double seconds = GpsdecodeProcessorSeconds(gpsdecode, input.fileName());
            QVERIFY(seconds > 0);
            processorSeconds += seconds;
            fed += 50 * m_sentences;
        }
        const double theirRate = fed / processorSeconds;
        const double ratio = m_rate / theirRate;
        qInfo("gpsdecode: %.0f sentences per second of processor time; ours is %.2f times that", theirRate,
            ratio);
        QVERIFY(ratio >= requiredGpsdecodeRatio);
    }

private:
    QStringList m_lines;
    QByteArray m_capture;
    double m_rate = 0;
    qint64 m_sentences = 0;
    qint64 m_sentenceBytes = 0;
};

QTEST_GUILESS_MAIN(BenchGpsDecoder)
#include "BenchGpsDecoder.moc"
