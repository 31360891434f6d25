#pragma once

#include <QMutex>
#include <QThread>
#include <QWaitCondition>

// A worker thread whose pauses end as soon as it is asked to stop, so that
// closing the updater never hangs on a wait inside a worker. Subclasses call
// stopAndWait() in their destructor, before their own members go away.
class cStoppableThread : public QThread {
public:
    using QThread::QThread;

    // Asks the thread to stop and returns at once.
    void requestStop();
    void stopAndWait();

protected:
    // Sleeps up to ms milliseconds; false when asked to stop.
    bool pause(int ms);
    bool stopping() const;

private:
    QMutex mutex;
    QWaitCondition wakeUp;
};
