#include "SerialLine.h"

#include "PseudoTerminal.h"

#include <algorithm>

SerialLine::SerialLine(PseudoTerminal* terminal, QObject* parent)
    : QObject(parent)
    , m_terminal(terminal)
{
    connect(m_terminal, &PseudoTerminal::received, this, &SerialLine::onReceived);
    m_sampleTimer.setInterval(SampleIntervalMs);
    connect(&m_sampleTimer, &QTimer::timeout, this, &SerialLine::samplePortRate);
    m_sampleTimer.start();
    m_drainTimer.setInterval(DrainIntervalMs);
    m_drainTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_drainTimer, &QTimer::timeout, this, &SerialLine::drain);
    m_sinceConfigured.start();
}

void SerialLine::send(const QByteArray& bytes, int rate)
{
    if (bytes.isEmpty())
        return;
    m_queue.append(Chunk {bytes, rate, 0, false});
    if (!m_drainTimer.isActive()) {
        m_drainClock.restart();
        m_credit = 1;
        drain();
    }
}

void SerialLine::clearOutput()
{
    m_queue.clear();
    m_drainTimer.stop();
}

void SerialLine::onReceived(const QByteArray& bytes)
{
    int rate = samplePortRate();
    if (rate == 0 && m_lastConfiguredRate != 0 && m_sinceConfigured.elapsed() <= ClosingGraceMs)
        rate = m_lastConfiguredRate;
    emit arrived(bytes, rate);
}

int SerialLine::samplePortRate()
{
    const int rate = m_terminal->lineRate();
    if (rate != 0) {
        m_lastConfiguredRate = rate;
        m_sinceConfigured.restart();
    }
    return rate;
}

void SerialLine::drain()
{
    while (!m_queue.isEmpty()) {
        Chunk& chunk = m_queue.first();
        const double bytesPerMs = chunk.rate / 10000.0;
        m_credit = std::min(m_credit + m_drainClock.restart() * bytesPerMs, 1 + bytesPerMs * 20);
        if (!chunk.started) {
            const int portRate = samplePortRate();
            if (portRate != chunk.rate) {
                emit lost(chunk.bytes, chunk.rate, portRate);
                m_queue.removeFirst();
                continue;
            }
            chunk.started = true;
            emit transmitted(chunk.bytes, chunk.rate);
        }
        const int count = std::min(static_cast<int>(m_credit), chunk.bytes.size() - chunk.offset);
        if (count <= 0)
            break;
        m_terminal->write(chunk.bytes.mid(chunk.offset, count));
        chunk.offset += count;
        m_credit -= count;
        if (chunk.offset == chunk.bytes.size())
            m_queue.removeFirst();
    }
    if (m_queue.isEmpty())
        m_drainTimer.stop();
    else if (!m_drainTimer.isActive())
        m_drainTimer.start();
}
