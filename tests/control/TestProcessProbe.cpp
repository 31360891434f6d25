#include "control/ProcessProbe.h"

#include <QCoreApplication>
#include <QtTest>

#ifndef Q_OS_WIN
#include <sys/wait.h>
#include <unistd.h>
#endif

class TestProcessProbe : public QObject {
    Q_OBJECT

private slots:
    void runningUntilItEnds();
#ifndef Q_OS_WIN
    void uncollectedEndIsAnEnd();
#endif
};

void TestProcessProbe::runningUntilItEnds()
{
    QCOMPARE(ProcessProbe(QCoreApplication::applicationPid()).IsRunning(), true);
}

#ifndef Q_OS_WIN
// A finished updater that nobody collects is a zombie; the launcher must see
// it as ended, or the program would wait for it for ever.
void TestProcessProbe::uncollectedEndIsAnEnd()
{
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        _exit(0);
    }
    ProcessProbe probe(child);
    QTRY_VERIFY_WITH_TIMEOUT(!probe.IsRunning(), 5000);
    QCOMPARE(waitpid(child, nullptr, 0), child);
}
#endif

QTEST_GUILESS_MAIN(TestProcessProbe)
#include "TestProcessProbe.moc"
