#pragma once

#include <QString>

struct DeviceState;
struct SimConfig;

// What the device does with one shell command line.
struct ShellOutcome {
    enum class Kind { Reply, Refuse, NoReply };
    enum class Action { Nothing, Stored, Reset, DeepSleep, GnssOn, GnssOff, StreamVoyage };
    // Refusal numbers, sent as the reply's status.
    static constexpr int UnknownCommand = 1;
    static constexpr int BadArgument = 2;
    static constexpr int WrongToken = 3;

    Kind kind = Kind::Reply;
    int status = 0;
    QString payload; // unescaped; a null payload sends no payload field
    QString linePrefix; // printed just before the reply, on the same line
    Action action = Action::Nothing;
};

// The device's command shell: the fixed commands and the get/set words of
// every setting.
class ShellInterpreter
{
public:
    ShellInterpreter(DeviceState& state, const SimConfig& config);

    ShellOutcome run(const QString& command) const;

private:
    bool runFixed(const QString& word, const QString& argument, ShellOutcome* outcome) const;
    bool runDiagnostic(const QString& word, ShellOutcome* outcome) const;
    bool runSetting(const QString& word, const QString& argument, ShellOutcome* outcome) const;
    bool runFrequency(const QString& word, const QString& argument, ShellOutcome* outcome) const;
    ShellOutcome store(const QString& key, const QString& value) const;
    int ledStatus() const;

    DeviceState& m_state;
    const SimConfig& m_config;
};
