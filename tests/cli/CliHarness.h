#pragma once

#include "SimConfig.h"
#include "SimulatedIdentifier.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// What the end-to-end tests of velmora-cli share: a folder of their own that
// the program takes for its home, simulated devices on pseudo-terminals
// linked into it, and the program run to its end or launched to be watched.
class CliHarness {
public:
    static const int CommandTimeoutMs = 60000;

    // A device that answers quickly, for tests that do not time it.
    static SimConfig QuickDevice(const QString& serialNumber);

    // A fresh folder for the next test; false when none could be made.
    bool Reset();
    // A simulated device started and reachable as link; null when it did not start.
    std::unique_ptr<SimulatedIdentifier> Plug(const QString& link, SimConfig config);
    // Runs the program to its end while the simulated devices go on answering.
    int Run(const QStringList& arguments, QString* out = nullptr);
    // Standard input from the file named, else none.
    void Launch(QProcess& process, const QStringList& arguments, const QString& input = QString());
    static void WaitFor(QProcess& process, int timeoutMs);
    QString PathOf(const QString& name) const { return m_dir->filePath(name); }
    QString WriteFile(const QString& name, const QByteArray& bytes);
    QString ReadFile(const QString& name) const;
    // The last Run's standard error.
    const QString& Errors() const { return m_errors; }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_errors;
};
