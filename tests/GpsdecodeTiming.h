#pragma once

#include <QProcess>
#include <QString>

#include <sys/resource.h>

// gpsd's gpsdecode, the independent decoder the decoders' benches are held
// against: it reads a file of sentences and writes its JSON reports to
// nowhere. The processor seconds it used, or -1 when it did not end well.
inline double GpsdecodeProcessorSeconds(const QString& program, const QString& inputFile)
{
    const auto childSeconds = [] {
        rusage usage {};
        getrusage(RUSAGE_CHILDREN, &usage);
        return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
            + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    };
    QProcess gpsdecode;
    gpsdecode.setStandardInputFile(inputFile);
    gpsdecode.setStandardOutputFile(QProcess::nullDevice());
    const double before = childSeconds();
    gpsdecode.start(program, { QStringLiteral("-j") });
    if (!gpsdecode.waitForFinished(120000) || gpsdecode.exitStatus() != QProcess::NormalExit
        || gpsdecode.exitCode() != 0) {
        return -1;
    }
    return childSeconds() - before;
}
