#pragma once

#include <QString>

#include <memory>

class AISSentence;
class NmeaShellCommand;

// One step of a job: a fixed shell command, a setting codec, or a security
// step whose sentence the security manager builds. Exactly one is set.
class JobItem {
public:
    JobItem(std::unique_ptr<NmeaShellCommand> command, int retries);
    JobItem(std::unique_ptr<AISSentence> codec, int retries);
    explicit JobItem(const QString& securityStep);
    ~JobItem();

    NmeaShellCommand* command() const { return m_command.get(); }
    AISSentence* codec() const { return m_codec.get(); }
    QString securityStep() const { return m_securityStep; }

    // Sending again after a silence uses one retry up for good.
    bool takeRetry();

private:
    std::unique_ptr<NmeaShellCommand> m_command;
    std::unique_ptr<AISSentence> m_codec;
    QString m_securityStep;
    int m_retries = 0;
};
