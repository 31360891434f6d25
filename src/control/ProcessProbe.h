#pragma once

#include <QtGlobal>

// Tells whether a program started apart from this one still runs. Such a
// program is not this program's child, so its end cannot be waited for: it
// can only be looked at now and then.
class ProcessProbe {
public:
    explicit ProcessProbe(qint64 pid);
    ~ProcessProbe();
    ProcessProbe(const ProcessProbe&) = delete;
    ProcessProbe& operator=(const ProcessProbe&) = delete;

    bool IsRunning() const;

private:
#ifdef Q_OS_WIN
    // Held open, so that the process id cannot pass to another process.
    void* m_handle;
#else
    qint64 m_pid;
#endif
};
