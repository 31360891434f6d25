#pragma once

#include "cli/CliOptions.h"

class CliOutput;
class MmsiPool;

// velmora-cli pool init, import, status and release: the administrator's side
// of the MMSI pool, each one call to the server.
class PoolCommand {
    Q_DECLARE_TR_FUNCTIONS(PoolCommand)

public:
    PoolCommand(const CliOptions& options, CliOutput& output);

    // Returns the exit code.
    int Run();

private:
    int Init(MmsiPool& pool);
    int Import(MmsiPool& pool);
    int Status(MmsiPool& pool);
    int Release(MmsiPool& pool);
    // Who acts in the pool's events: the station named, else user@computer.
    QString Actor() const;

    const CliOptions& m_options;
    CliOutput& m_output;
};
