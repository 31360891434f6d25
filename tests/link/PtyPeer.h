#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSocketNotifier;

// The far end of a pseudo-terminal: the code under test opens portPath() as
// its serial port, the test reads and writes here as the device would.
class PtyPeer : public QObject {
    Q_OBJECT

public:
    explicit PtyPeer(QObject* parent = nullptr);
    ~PtyPeer() override;

    bool isOpen() const { return m_master >= 0; }
    QString portPath() const { return m_path; }
    void write(const QByteArray& bytes);
    QByteArray takeReceived();
    // Waits until a received line contains the text; false on time-out.
    bool waitForText(const QByteArray& text, int timeoutMs);
    // The device vanishes as if its cable had been pulled.
    void unplug();

signals:
    void bytesReceived(const QByteArray& bytes);

private:
    void readMaster();

    int m_master = -1;
    int m_slave = -1;
    QString m_path;
    QByteArray m_received;
    QSocketNotifier* m_notifier = nullptr;
};
