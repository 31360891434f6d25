#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <termios.h>

class QSocketNotifier;

// The test's own end of the simulator's terminal: plain POSIX calls, raw
// mode, its own checksum code, nothing shared with the simulator.
class RawClient : public QObject
{
    Q_OBJECT

public:
    ~RawClient() override;

    bool open(const QString& path, speed_t rate = B115200);
    void close();
    void setRate(speed_t rate);

    void write(const QByteArray& bytes);
    // Adds "*hh" and CR LF.
    void sendSentence(const QString& body);

    // The first complete line beginning with prefix (earlier lines are
    // dropped), without its line end; empty after timeoutMs.
    QString waitForLine(const QString& prefix, int timeoutMs = 2000);
    // Text from start, wherever it begins, up to its line end, without
    // the line end; empty after timeoutMs.
    QString waitForSentence(const QString& start, int timeoutMs = 2000);
    // Every complete line received within ms.
    QStringList linesWithin(int ms);
    // count bytes, or fewer after timeoutMs.
    QByteArray waitForBytes(int count, int timeoutMs = 2000);
    void discard() { m_buffer.clear(); }

    static QString checksum(const QString& body);
    static bool checksumHolds(const QString& line);

private:
    void onReadable();
    QString takeLine();

    int m_fd = -1;
    QSocketNotifier* m_notifier = nullptr;
    QByteArray m_buffer;
};
