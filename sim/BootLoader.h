#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSet>
#include <QTimer>

// The device's boot loader: after a reset it asks for an XMODEM transfer by
// sending "C" for a short window; a transfer that starts in that window is
// received in 1024-byte (or 128-byte) blocks with CRC-16, each acknowledged,
// until EOT. The caller passes in only bytes that arrived at the boot
// loader's rate and sends what it asks to at that rate.
class BootLoader : public QObject
{
    Q_OBJECT

public:
    struct Settings {
        int cIntervalMs = 1000;
        int windowMs = 3000; // 0: waits for a transfer without end
        int idleTimeoutMs = 10000;
        QList<int> nakBlocks;
        // Transfers (counted over the boot loader's life) whose first block
        // gets no answer; -1: every transfer.
        int ignoreFirstBlock = 0;
        bool nakFirstEot = false;
        // The first transfer (over the boot loader's life) is cancelled when
        // this block arrives, as a pulled cable cuts it; 0: never.
        int cutFirstTransferAt = 0;
    };

    static constexpr char SOH = 0x01;
    static constexpr char STX = 0x02;
    static constexpr char EOT = 0x04;
    static constexpr char ACK = 0x06;
    static constexpr char NAK = 0x15;
    static constexpr char CAN = 0x18;
    static constexpr int RateBitsPerSecond = 115200;

    explicit BootLoader(QObject* parent = nullptr);

    void start(const Settings& settings);
    void stop();
    bool isActive() const { return m_active; }
    void receive(const QByteArray& bytes);

    static quint16 crc16(const QByteArray& data);

signals:
    void send(const QByteArray& bytes);
    void note(const QString& text);
    // complete: EOT acknowledged after at least one block; image holds the
    // received data, padding included.
    void finished(bool complete, const QByteArray& image);

private:
    static constexpr int BlockCompletionMs = 1000;

    void processBuffer();
    void handleBlock(const QByteArray& block, int size);
    void handleEot();
    void onIncompleteBlock();
    void finish(bool complete, const QString& why);

    Settings m_settings;
    bool m_active = false;
    bool m_started = false;
    bool m_eotRefused = false;
    int m_accepted = 0;
    int m_lastNumber = 0;
    int m_transfers = 0;
    QSet<int> m_nakSent;
    QByteArray m_buffer;
    QByteArray m_image;
    QTimer m_cTimer;
    QTimer m_windowTimer;
    QTimer m_idleTimer;
    QTimer m_blockTimer;
};
