#include "PseudoTerminal.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

struct RateCode {
    speed_t code;
    int bitsPerSecond;
};

const RateCode rateCodes[] = {
    {B50, 50}, {B75, 75}, {B110, 110}, {B134, 134}, {B150, 150}, {B200, 200},
    {B300, 300}, {B600, 600}, {B1200, 1200}, {B1800, 1800}, {B2400, 2400},
    {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400},
    {B57600, 57600}, {B115200, 115200}, {B230400, 230400}, {B460800, 460800},
    {B500000, 500000}, {B576000, 576000}, {B921600, 921600}, {B1000000, 1000000},
};

QString systemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

} // namespace

PseudoTerminal::PseudoTerminal(QObject* parent)
    : QObject(parent)
{
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

bool PseudoTerminal::open(QString* error)
{
    close();
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_master < 0) {
        *error = systemError("posix_openpt");
        return false;
    }
    char name[128];
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0 || ptsname_r(m_master, name, sizeof name) != 0) {
        *error = systemError("pseudo-terminal set-up");
        close();
        return false;
    }
    m_devicePath = QString::fromLocal8Bit(name);
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings {};
    if (m_slave < 0 || tcgetattr(m_slave, &settings) != 0) {
        *error = systemError("opening the device side");
        close();
        return false;
    }
    // Raw, so that nothing is echoed or translated, and at rate 0 so that a
    // port nobody has configured never matches the device's rate.
    cfmakeraw(&settings);
    cfsetspeed(&settings, B0);
    if (tcsetattr(m_slave, TCSANOW, &settings) != 0) {
        *error = systemError("tcsetattr");
        close();
        return false;
    }
    m_readNotifier = new QSocketNotifier(m_master, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::onReadable);
    m_writeNotifier = new QSocketNotifier(m_master, QSocketNotifier::Write, this);
    m_writeNotifier->setEnabled(false);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &PseudoTerminal::onWritable);
    return true;
}

void PseudoTerminal::close()
{
    delete m_readNotifier;
    m_readNotifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
    m_pending.clear();
}

int PseudoTerminal::lineRate() const
{
    termios settings {};
    if (m_slave < 0 || tcgetattr(m_slave, &settings) != 0)
        return 0;
    const speed_t code = cfgetospeed(&settings);
    for (const RateCode& rate : rateCodes) {
        if (rate.code == code)
            return rate.bitsPerSecond;
    }
    return 0;
}

void PseudoTerminal::write(const QByteArray& bytes)
{
    if (m_master < 0)
        return;
    m_pending += bytes;
    // Like a UART whose receiver stopped reading: what does not fit is lost.
    if (m_pending.size() > MaxPending)
        m_pending.remove(0, m_pending.size() - MaxPending);
    onWritable();
}

void PseudoTerminal::onReadable()
{
    char buffer[4096];
    const ssize_t count = ::read(m_master, buffer, sizeof buffer);
    if (count > 0)
        emit received(QByteArray(buffer, static_cast<int>(count)));
    else if (count == 0 || (errno != EAGAIN && errno != EINTR))
        m_readNotifier->setEnabled(false);
}

void PseudoTerminal::onWritable()
{
    while (!m_pending.isEmpty()) {
        const ssize_t count = ::write(m_master, m_pending.constData(), static_cast<size_t>(m_pending.size()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        m_pending.remove(0, static_cast<int>(count));
    }
    // A full terminal buffer: wait until the program reads.
    m_writeNotifier->setEnabled(!m_pending.isEmpty());
}
