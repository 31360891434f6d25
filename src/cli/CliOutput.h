#pragma once

#include "cli/CliOptions.h"

#include <QJsonObject>
#include <QString>

// Where velmora-cli's words go. Results go to standard output, as text or as
// one JSON object per line; progress goes to standard error, and only when it
// is a terminal, so that scripts see nothing but results and errors.
class CliOutput {
public:
    static const char* const ProgramName;

    explicit CliOutput(bool json);

    // fields for JSON, text for people (one or more lines).
    void Result(const QJsonObject& fields, const QString& text);
    void Progress(const QString& text);
    // Something the user must know that does not end the command: standard
    // error, always, and a "warning" object with --json.
    void Warning(const QString& text);
    // The reason a command ends without success; returns code for the
    // caller to exit with.
    int Failure(CliExit code, const QString& message);

private:
    static void ToStandardError(const QString& text);

    bool m_json;
    bool m_progress;
};
