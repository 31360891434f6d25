#pragma once

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

// The AIS sentences of the captures in tests/data/ais, in file order. The
// captures mix in GNSS sentences and the AIS of other talkers, which the
// decoder leaves alone, so only !AIVDM and !AIVDO lines are kept.
inline QByteArrayList aisCorpus()
{
    QByteArrayList lines;
    const QDir folder(QStringLiteral(TESTDATA_DIR "/ais"));
    for (const QString& name : folder.entryList({ QStringLiteral("*.log") })) {
        QFile file(folder.filePath(name));
        file.open(QIODevice::ReadOnly);
        while (!file.atEnd()) {
            const QByteArray line = file.readLine();
            if (line.startsWith("!AIVDM,") || line.startsWith("!AIVDO,")) {
                lines.append(line);
            }
        }
    }
    return lines;
}

// gpsd's decoder over the same lines, type 24 parts reported one by one:
// one JSON line per message. Empty when gpsdecode is not installed.
inline QByteArrayList gpsdecodeOutput(const QByteArrayList& lines)
{
    const QString program = QStandardPaths::findExecutable(QStringLiteral("gpsdecode"));
    if (program.isEmpty()) {
        return {};
    }
    QProcess process;
    process.start(program, { QStringLiteral("-s"), QStringLiteral("-j") });
    process.write(lines.join());
    process.closeWriteChannel();
    process.waitForFinished(30000);
    QByteArrayList output = process.readAllStandardOutput().split('\n');
    output.removeAll(QByteArray());
    return output;
}
