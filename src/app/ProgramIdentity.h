#pragma once

// The names both programs go by. The settings store and the data folder (the
// configuration log among them) are found by them, so the window and the
// command line share one configuration log.
class ProgramIdentity {
public:
    // Sets organisation, application name and version text.
    static void Apply();
};
