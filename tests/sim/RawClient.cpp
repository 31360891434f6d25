#include "RawClient.h"

#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

RawClient::~RawClient()
{
    close();
}

bool RawClient::open(const QString& path, speed_t rate)
{
    m_fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0)
        return false;
    setRate(rate);
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &RawClient::onReadable);
    return true;
}

void RawClient::close()
{
    delete m_notifier;
    m_notifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void RawClient::setRate(speed_t rate)
{
    termios settings {};
    tcgetattr(m_fd, &settings);
    cfmakeraw(&settings);
    cfsetspeed(&settings, rate);
    tcsetattr(m_fd, TCSANOW, &settings);
}

void RawClient::write(const QByteArray& bytes)
{
    QCOMPARE(::write(m_fd, bytes.constData(), static_cast<size_t>(bytes.size())), static_cast<ssize_t>(bytes.size()));
}

void RawClient::sendSentence(const QString& body)
{
    write((body + QLatin1Char('*') + checksum(body) + QStringLiteral("\r\n")).toLatin1());
}

QString RawClient::waitForLine(const QString& prefix, int timeoutMs)
{
    QString found;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            for (QString line = takeLine(); !line.isNull(); line = takeLine()) {
                if (line.startsWith(prefix)) {
                    found = line;
                    return true;
                }
            }
            return false;
        },
        timeoutMs));
    return found;
}

QString RawClient::waitForSentence(const QString& start, int timeoutMs)
{
    const QByteArray needle = start.toLatin1();
    QString found;
    static_cast<void>(QTest::qWaitFor(
        [&] {
            const int from = m_buffer.indexOf(needle);
            const int end = from < 0 ? -1 : m_buffer.indexOf("\r\n", from);
            if (end < 0)
                return false;
            found = QString::fromLatin1(m_buffer.mid(from, end - from));
            m_buffer.remove(0, end + 2);
            return true;
        },
        timeoutMs));
    return found;
}

QStringList RawClient::linesWithin(int ms)
{
    QTest::qWait(ms);
    QStringList lines;
    for (QString line = takeLine(); !line.isNull(); line = takeLine())
        lines << line;
    return lines;
}

QByteArray RawClient::waitForBytes(int count, int timeoutMs)
{
    static_cast<void>(QTest::qWaitFor([&] { return m_buffer.size() >= count; }, timeoutMs));
    const QByteArray bytes = m_buffer.left(count);
    m_buffer.remove(0, bytes.size());
    return bytes;
}

QString RawClient::checksum(const QString& body)
{
    int sum = 0;
    for (int i = 1; i < body.size(); ++i)
        sum ^= body.at(i).toLatin1();
    return QStringLiteral("%1").arg(sum, 2, 16, QLatin1Char('0')).toUpper();
}

bool RawClient::checksumHolds(const QString& line)
{
    const int start = line.indexOf(QRegularExpression(QStringLiteral("[$!]")));
    const int star = line.lastIndexOf(QLatin1Char('*'));
    return start >= 0 && star > start && line.mid(star + 1) == checksum(line.mid(start, star - start));
}

void RawClient::onReadable()
{
    char chunk[4096];
    const ssize_t count = ::read(m_fd, chunk, sizeof chunk);
    if (count > 0)
        m_buffer.append(chunk, static_cast<int>(count));
}

QString RawClient::takeLine()
{
    const int end = m_buffer.indexOf("\r\n");
    if (end < 0)
        return QString();
    const QString line = QString::fromLatin1(m_buffer.left(end));
    m_buffer.remove(0, end + 2);
    return line;
}
