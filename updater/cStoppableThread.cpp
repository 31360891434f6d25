#include "cStoppableThread.h"

#include <QDeadlineTimer>
#include <QMutexLocker>

void cStoppableThread::requestStop()
{
    requestInterruption();
    QMutexLocker lock(&mutex);
    wakeUp.wakeAll();
}

void cStoppableThread::stopAndWait()
{
    requestStop();
    wait();
}

bool cStoppableThread::pause(int ms)
{
    const QDeadlineTimer deadline(ms);
    QMutexLocker lock(&mutex);
    while (!stopping() && !deadline.hasExpired()) {
        wakeUp.wait(&mutex, deadline);
    }
    return !stopping();
}

bool cStoppableThread::stopping() const
{
    return isInterruptionRequested();
}
