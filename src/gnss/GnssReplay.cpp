#include "gnss/GnssReplay.h"

#include <QTimer>

namespace {

// Wakes at least this often, so that no wait overflows the timer's range.
const qint64 longestWaitMs = 60 * 1000;

} // namespace

GnssReplay::GnssReplay(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, &GnssReplay::playDue);
}

void GnssReplay::start(const QVector<GnssRecording::Entry>& entries)
{
    m_entries = entries;
    m_next = 0;
    m_clock.start();
    m_timer->start(0);
}

void GnssReplay::stop()
{
    m_timer->stop();
    m_entries.clear();
    m_next = 0;
}

bool GnssReplay::isRunning() const
{
    return m_next < m_entries.size();
}

void GnssReplay::playDue()
{
    while (m_next < m_entries.size() && m_entries[m_next].offsetMs <= m_clock.elapsed()) {
        emit sentence(m_entries[m_next++].sentence);
    }
    if (m_next < m_entries.size()) {
        m_timer->start(int(qBound<qint64>(0, m_entries[m_next].offsetMs - m_clock.elapsed(), longestWaitMs)));
        return;
    }
    stop();
    emit finished();
}
