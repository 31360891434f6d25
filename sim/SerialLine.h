#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QTimer>

class PseudoTerminal;

// The serial line between the device and the program, as the device sees it:
// bytes leave at the device's rate and take as long as that rate needs, and
// they reach the program only if its port is set to the same rate when they
// start. Received bytes are tagged with the rate the program's port was set
// to when it wrote them; with paced input they reach the device only after
// their own time on the line, as on a cable.
class SerialLine : public QObject
{
    Q_OBJECT

public:
    explicit SerialLine(PseudoTerminal* terminal, QObject* parent = nullptr);

    void send(const QByteArray& bytes, int rate);
    // Forgets what has not left yet, as a device does when it resets.
    void clearOutput();
    bool isSending() const { return !m_queue.isEmpty(); }
    void setPacedInput(bool paced) { m_pacedInput = paced; }

signals:
    void arrived(const QByteArray& bytes, int rate);
    void transmitted(const QByteArray& bytes, int rate);
    void lost(const QByteArray& bytes, int rate, int portRate);

private:
    struct Chunk {
        QByteArray bytes;
        int rate = 0;
        int offset = 0;
        bool started = false;
    };

    // How long after the program's port was last seen configured bytes are
    // still taken as written before it closed the port.
    static constexpr int ClosingGraceMs = 150;
    static constexpr int SampleIntervalMs = 20;
    static constexpr int DrainIntervalMs = 2;

    struct Arrival {
        QByteArray bytes;
        int rate = 0;
        double dueMs = 0;
    };

    void onReceived(const QByteArray& bytes);
    void deliverDue();
    int samplePortRate();
    void drain();

    PseudoTerminal* m_terminal;
    QTimer m_sampleTimer;
    QTimer m_drainTimer;
    QElapsedTimer m_sinceConfigured;
    QElapsedTimer m_drainClock;
    int m_lastConfiguredRate = 0;
    QList<Chunk> m_queue;
    double m_credit = 0;
    bool m_pacedInput = false;
    QTimer m_inputTimer;
    QElapsedTimer m_inputClock;
    QList<Arrival> m_arrivals;
    double m_lineFreeMs = 0; // when the last byte received has crossed the line
};
