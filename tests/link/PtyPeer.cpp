#include "PtyPeer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer(QObject* parent)
    : QObject(parent)
{
    char name[128] = {};
    if (openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        m_master = m_slave = -1;
        return;
    }
    // Raw on both sides, so nothing is echoed or translated before the
    // program under test has set the line up itself.
    termios settings {};
    tcgetattr(m_slave, &settings);
    cfmakeraw(&settings);
    tcsetattr(m_slave, TCSANOW, &settings);
    fcntl(m_master, F_SETFL, fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_path = QString::fromLocal8Bit(name);
    m_notifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &PtyPeer::readMaster);
}

PtyPeer::~PtyPeer()
{
    unplug();
    if (m_slave >= 0) {
        ::close(m_slave);
    }
}

void PtyPeer::write(const QByteArray& bytes)
{
    qint64 done = 0;
    while (m_master >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0) {
            return;
        }
        done += n;
    }
}

QByteArray PtyPeer::takeReceived()
{
    QByteArray bytes;
    bytes.swap(m_received);
    return bytes;
}

bool PtyPeer::waitForText(const QByteArray& text, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    QSignalSpy spy(this, &PtyPeer::bytesReceived);
    while (!m_received.contains(text)) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || !spy.wait(int(left))) {
            return m_received.contains(text);
        }
    }
    return true;
}

void PtyPeer::unplug()
{
    if (m_master < 0) {
        return;
    }
    delete m_notifier;
    m_notifier = nullptr;
    ::close(m_master);
    m_master = -1;
    // With the slave still held here the hang-up would not reach the port.
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
}

void PtyPeer::readMaster()
{
    char buffer[4096];
    QByteArray bytes;
    ssize_t n = 0;
    while ((n = ::read(m_master, buffer, sizeof buffer)) > 0) {
        bytes.append(buffer, int(n));
    }
    if (n < 0 && errno != EAGAIN) {
        m_notifier->setEnabled(false);
    }
    if (bytes.isEmpty()) {
        return;
    }
    m_received.append(bytes);
    emit bytesReceived(bytes);
}
