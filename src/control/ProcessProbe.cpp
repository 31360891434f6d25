#include "control/ProcessProbe.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QFile>

#include <cerrno>
#include <signal.h>
#include <sys/types.h>
#endif

#ifdef Q_OS_WIN

ProcessProbe::ProcessProbe(qint64 pid)
    : m_handle(OpenProcess(SYNCHRONIZE, FALSE, DWORD(pid)))
{
}

ProcessProbe::~ProcessProbe()
{
    if (m_handle) {
        CloseHandle(m_handle);
    }
}

// A process that could not be opened has ended already.
bool ProcessProbe::IsRunning() const
{
    return m_handle && WaitForSingleObject(m_handle, 0) == WAIT_TIMEOUT;
}

#else

ProcessProbe::ProcessProbe(qint64 pid)
    : m_pid(pid)
{
}

ProcessProbe::~ProcessProbe() = default;

namespace {

// An ended process stays a zombie until whoever adopted it collects it; where
// nobody does (some containers), signal 0 would call it running for ever.
// Systems without /proc have no such file and take the answer of signal 0.
bool IsZombie(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) {
        return false;
    }
    // "pid (name) state ...": the name may hold spaces and parentheses.
    const QByteArray line = stat.readAll();
    const int nameEnd = line.lastIndexOf(')');
    return nameEnd >= 0 && nameEnd + 2 < line.size() && line.at(nameEnd + 2) == 'Z';
}

} // namespace

// Signal 0 only asks whether the process exists; a process that exists but
// may not be signalled by us runs all the same.
bool ProcessProbe::IsRunning() const
{
    const bool exists = ::kill(pid_t(m_pid), 0) == 0 || errno == EPERM;
    return exists && !IsZombie(m_pid);
}

#endif
