#include "production/InterruptWatch.h"

#include <QtGlobal>

#ifdef Q_OS_WIN

#include <QMetaObject>

#include <mutex>
#include <windows.h>

namespace {

// The console runs the handler on a thread of its own: the watch it reaches is guarded.
std::mutex watchLock;
InterruptWatch* watch = nullptr;
bool caught = false;

BOOL WINAPI OnConsoleControl(DWORD event)
{
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT) {
        return FALSE;
    }
    std::lock_guard<std::mutex> guard(watchLock);
    if (!watch || caught) {
        return FALSE; // the next handler, in the end the default one, ends the program
    }
    caught = true;
    QMetaObject::invokeMethod(watch, "interrupted", Qt::QueuedConnection);
    return TRUE;
}

} // namespace

InterruptWatch::InterruptWatch(QObject* parent)
    : QObject(parent)
{
    std::lock_guard<std::mutex> guard(watchLock);
    Q_ASSERT(!watch);
    watch = this;
    caught = false;
    if (!SetConsoleCtrlHandler(OnConsoleControl, TRUE)) {
        qWarning("Ctrl-C cannot be caught (error %lu): it stops the program at once.", GetLastError());
    }
}

InterruptWatch::~InterruptWatch()
{
    SetConsoleCtrlHandler(OnConsoleControl, FALSE);
    std::lock_guard<std::mutex> guard(watchLock);
    watch = nullptr;
}

#else

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int watchedSignals[] = { SIGINT, SIGTERM };
struct sigaction previous[2];
volatile sig_atomic_t writeEnd = -1;

// Only async-signal-safe calls here: the byte wakes the event loop through the pipe.
void OnSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    if (write(writeEnd, &byte, 1) < 0) {
        // The pipe is full, so the event loop is woken already.
    }
    errno = savedErrno;
}

// Neither end may block: the handler must return at once, and the reader drains what is there.
bool MakePipe(int fds[2])
{
    if (pipe(fds) != 0) {
        return false;
    }
    for (int i = 0; i < 2; ++i) {
        if (fcntl(fds[i], F_SETFL, fcntl(fds[i], F_GETFL) | O_NONBLOCK) != 0
            || fcntl(fds[i], F_SETFD, FD_CLOEXEC) != 0) {
            const int savedErrno = errno;
            close(fds[0]);
            close(fds[1]);
            errno = savedErrno;
            return false;
        }
    }
    return true;
}

} // namespace

InterruptWatch::InterruptWatch(QObject* parent)
    : QObject(parent)
{
    Q_ASSERT(writeEnd < 0);
    if (!MakePipe(m_pipe)) {
        qWarning("Ctrl-C cannot be caught (%s): it stops the program at once.", strerror(errno));
        return;
    }
    m_notifier = new QSocketNotifier(m_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptWatch::OnPipeReadable);
    writeEnd = m_pipe[1];
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: the default action is back once the first signal is caught.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int i = 0; i < 2; ++i) {
        sigaction(watchedSignals[i], &action, &previous[i]);
    }
}

InterruptWatch::~InterruptWatch()
{
    if (!m_notifier) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        sigaction(watchedSignals[i], &previous[i], nullptr);
    }
    writeEnd = -1;
    delete m_notifier;
    close(m_pipe[0]);
    close(m_pipe[1]);
}

void InterruptWatch::OnPipeReadable()
{
    char bytes[16];
    while (read(m_pipe[0], bytes, sizeof bytes) > 0) { }
    emit interrupted();
}

#endif
