#pragma once

#include "ReplyFaults.h"
#include "ShellInterpreter.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>

class SecurityAccess;
class SimSentence;
struct DeviceState;
struct SimConfig;

// The application firmware's view of the line: shell commands and their
// replies, the AIS configuration sentences SSD, VSD and SMM, and the security
// access sentences, with the planned reply faults applied.
class DeviceProtocol : public QObject
{
    Q_OBJECT

public:
    DeviceProtocol(DeviceState& state, const SimConfig& config, SecurityAccess& security, QObject* parent = nullptr);

    void setFaultPlan(const FaultPlan& plan) { m_faults.setPlan(plan); }
    void handle(const SimSentence& sentence);

signals:
    // A framed reply line, to go out after the reply delay.
    void answer(const QByteArray& line);
    void action(ShellOutcome::Action action);
    void note(const QString& text);

private:
    // Builds a reply body; wrong = true asks for the reply to another command.
    using Builder = std::function<QString(bool wrong)>;

    void handleShell(const SimSentence& sentence);
    void handleQuery(const QString& formatter);
    void handleWrite(const QString& formatter, const SimSentence& sentence);
    bool passesLock();
    void deliver(const QString& word, const QString& whole, const QString& linePrefix, const Builder& build);
    QString otherCommand(const QString& echo) const;
    QString staticDataBody() const;
    QString voyageDataBody() const;
    QString mmsiBody() const;

    DeviceState& m_state;
    const SimConfig& m_config;
    SecurityAccess& m_security;
    ShellInterpreter m_shell;
    ReplyFaults m_faults;
    QString m_lastEcho;
};
