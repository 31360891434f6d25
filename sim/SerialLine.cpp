#include "SerialLine.h"

#include "PseudoTerminal.h"

#include <algorithm>
#include <cmath>

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
    m_inputTimer.setSingleShot(true);
    m_inputTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_inputTimer, &QTimer::timeout, this, &SerialLine::deliverDue);
    m_sinceConfigured.start();
    m_inputClock.start();
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
    if (!m_pacedInput || rate == 0) {
        emit arrived(bytes, rate);
        return;
    }
    // Ten bits a byte, behind what is still on its way.
    const double startMs = std::max(m_lineFreeMs, static_cast<double>(m_inputClock.elapsed()));
    m_lineFreeMs = startMs + bytes.size() * 10000.0 / rate;
    m_arrivals.append({bytes, rate, m_lineFreeMs});
    if (!m_inputTimer.isActive())
        deliverDue();
}

void SerialLine::deliverDue()
{
    const double nowMs = m_inputClock.elapsed();
    while (!m_arrivals.isEmpty() && m_arrivals.first().dueMs <= nowMs) {
        const Arrival arrival = m_arrivals.takeFirst();
        emit arrived(arrival.bytes, arrival.rate);
    }
    if (!m_arrivals.isEmpty())
        m_inputTimer.start(static_cast<int>(std::ceil(m_arrivals.first().dueMs - nowMs)));
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
