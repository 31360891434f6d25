#include "control/ProcessProbe.h"

#ifdef Q_OS_WIN
#include <windows.h>
#else
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

// Signal 0 only asks whether the process exists; a process that exists but
// may not be signalled by us runs all the same.
bool ProcessProbe::IsRunning() const
{
    return ::kill(pid_t(m_pid), 0) == 0 || errno == EPERM;
}

#endif
