#pragma once

#include "cli/CliOptions.h"

#include <QObject>

class CliOutput;

// velmora-cli from its command line to its exit code: answers help and
// version, lists the ports, or runs a command on the event loop until it
// ends or is cancelled.
class CliProgram : public QObject {
    Q_OBJECT

public:
    explicit CliProgram(QObject* parent = nullptr);

    // The arguments include the program name. Returns the exit code.
    int Run(const QStringList& arguments);

private:
    int RunCommand(const CliOptions& options, CliOutput& output);
    static int ListPorts(const CliOptions& options, CliOutput& output);
    static bool InstallPasswordSource(const CliOptions& options, CliOutput& output);
};
