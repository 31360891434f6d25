#pragma once

#include <QProcess>
#include <QTemporaryDir>

// lrzsz's rx, an XMODEM receiver written independently of ours, waiting for
// one file on a pseudo-terminal that socat makes. The sender's end of the
// terminal is portPath(); rx keeps the received file, padding included.
class RxReceiver {
public:
    RxReceiver();
    ~RxReceiver();

    // Starts socat and rx and waits for the terminal to appear.
    bool start();
    QString portPath() const;
    // Reads the port until rx asks for CRC mode, as the boot-loader probe
    // does before a transfer.
    bool waitForCrcRequest(int ms);
    // Waits for rx (and with it socat) to end.
    bool waitForExit(int ms);
    QByteArray received() const;

private:
    QTemporaryDir dir;
    QProcess socat;
};
