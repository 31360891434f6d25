#pragma once

#include "cli/CliOptions.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

// Where velmora-cli's words go. Results go to standard output, as text or as
// one JSON object per line; progress goes to standard error, and only when it
// is a terminal, so that scripts see nothing but results and errors.
class CliOutput {
public:
    static const char* const ProgramName;

    explicit CliOutput(bool json);
    // Warnings that found no result to go with are given on their own.
    ~CliOutput();

    // fields for JSON, text for people (one or more lines). With --json the
    // warnings given since the last result go with it, as "warnings".
    void Result(const QJsonObject& fields, const QString& text);
    void Progress(const QString& text);
    // Something the user must know that does not end the command: standard
    // error, always, and with --json in the next result (so that a command
    // gives one object), or in an object of its own once the result is given.
    void Warning(const QString& text);
    // The reason a command ends without success; returns code for the
    // caller to exit with. A command that has given its result (a write's
    // mismatches) gets no second JSON object: the message goes to standard
    // error only.
    int Failure(CliExit code, const QString& message);

private:
    static void ToStandardError(const QString& text);

    bool m_json;
    bool m_progress;
    bool m_resultGiven = false;
    QJsonArray m_warnings;
};
