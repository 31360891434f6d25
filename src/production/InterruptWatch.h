#pragma once

#include <QObject>

class QSocketNotifier;

// Turns Ctrl-C (SIGINT) and SIGTERM into a signal on the event loop, so a run can finish what is
// under way and stop cleanly. Only the first one is caught: a second Ctrl-C has its default
// action again, so a run that hangs can still be stopped. At most one exists at a time; the
// destructor puts back the handlers that were there before.
class InterruptWatch : public QObject {
    Q_OBJECT
public:
    explicit InterruptWatch(QObject* parent = nullptr);
    ~InterruptWatch() override;

signals:
    void interrupted();

private:
#ifndef Q_OS_WIN
    void OnPipeReadable();

    int m_pipe[2] = { -1, -1 };
    QSocketNotifier* m_notifier = nullptr;
#endif
};
