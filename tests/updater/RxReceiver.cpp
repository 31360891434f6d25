#include "RxReceiver.h"

#include "cSerialLink.h"

#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

const QString ReceivedName = QStringLiteral("received.bin");

} // namespace

RxReceiver::RxReceiver() = default;

RxReceiver::~RxReceiver()
{
    if (socat.state() != QProcess::NotRunning) {
        socat.kill();
        socat.waitForFinished(5000);
    }
}

bool RxReceiver::start()
{
    if (!dir.isValid()) {
        return false;
    }
    // rx writes into its working folder; the EXEC address is split by socat
    // itself, never by a shell.
    socat.setWorkingDirectory(dir.path());
    socat.start(QStringLiteral("socat"),
        { QStringLiteral("PTY,link=%1,raw,echo=0").arg(portPath()),
            QStringLiteral("EXEC:rx -c -b %1,pty,raw,echo=0").arg(ReceivedName) });
    return socat.waitForStarted(5000)
        && QTest::qWaitFor([this] { return QFileInfo::exists(portPath()); }, 5000);
}

QString RxReceiver::portPath() const
{
    // The port's lock file is named after the link, so each receiver needs a
    // name of its own.
    return dir.filePath(QStringLiteral("rx-%1").arg(QFileInfo(dir.path()).fileName()));
}

bool RxReceiver::waitForCrcRequest(int ms)
{
    cSerialLink link(portPath());
    if (!link.open(115200, QIODevice::ReadOnly)) {
        return false;
    }
    const QDeadlineTimer deadline(ms);
    int byte = link.readByte(deadline);
    while (byte >= 0 && byte != 'C') {
        byte = link.readByte(deadline);
    }
    link.close();
    return byte == 'C';
}

bool RxReceiver::waitForExit(int ms)
{
    return socat.waitForFinished(ms);
}

QByteArray RxReceiver::received() const
{
    QFile file(dir.filePath(ReceivedName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
