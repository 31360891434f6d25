#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// A pseudo-terminal pair: the simulator works the controlling side, the
// program under test opens the device side by its path. The simulator keeps
// its own descriptor on the device side so that the program may close and
// reopen the port at will without the pair hanging up.
class PseudoTerminal : public QObject
{
    Q_OBJECT

public:
    explicit PseudoTerminal(QObject* parent = nullptr);
    ~PseudoTerminal() override;

    bool open(QString* error);
    void close();
    bool isOpen() const { return m_master >= 0; }
    QString devicePath() const { return m_devicePath; }

    // The line rate the device side is set to right now, in bits per second;
    // 0 while nobody has configured it (the rate the pair is created with).
    int lineRate() const;

    // Queues bytes for the device side; never blocks.
    void write(const QByteArray& bytes);

signals:
    void received(const QByteArray& bytes);

private:
    static constexpr int MaxPending = 64 * 1024;

    void onReadable();
    void onWritable();

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QSocketNotifier* m_readNotifier = nullptr;
    QSocketNotifier* m_writeNotifier = nullptr;
    QByteArray m_pending;
};
