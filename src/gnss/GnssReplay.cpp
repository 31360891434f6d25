#include "gnss/GnssReplay.h"

#include <QTimer>

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
    return m_timer->isActive();
}

void GnssReplay::playDue()
{
    while (m_next < m_entries.size() && m_entries[m_next].offsetMs <= m_clock.elapsed()) {
        emit sentence(m_entries[m_next++].sentence);
    }
    if (m_next < m_entries.size()) {
        m_timer->start(int(m_entries[m_next].offsetMs - m_clock.elapsed()));
        return;
    }
    stop();
    emit finished();
}
