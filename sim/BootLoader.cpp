#include "BootLoader.h"

BootLoader::BootLoader(QObject* parent)
    : QObject(parent)
{
    connect(&m_cTimer, &QTimer::timeout, this, [this] { emit send(QByteArray(1, 'C')); });
    m_windowTimer.setSingleShot(true);
    connect(&m_windowTimer, &QTimer::timeout, this, [this] { finish(false, QStringLiteral("no transfer in the boot window")); });
    m_idleTimer.setSingleShot(true);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { finish(false, QStringLiteral("transfer went silent")); });
    m_blockTimer.setSingleShot(true);
    m_blockTimer.setInterval(BlockCompletionMs);
    connect(&m_blockTimer, &QTimer::timeout, this, &BootLoader::onIncompleteBlock);
}

void BootLoader::start(const Settings& settings)
{
    m_settings = settings;
    m_active = true;
    m_started = false;
    m_eotRefused = false;
    m_accepted = 0;
    m_lastNumber = 0;
    m_nakSent.clear();
    m_buffer.clear();
    m_image.clear();
    m_idleTimer.setInterval(settings.idleTimeoutMs);
    m_cTimer.start(settings.cIntervalMs);
    if (settings.windowMs > 0)
        m_windowTimer.start(settings.windowMs);
    emit send(QByteArray(1, 'C'));
}

void BootLoader::stop()
{
    m_active = false;
    m_cTimer.stop();
    m_windowTimer.stop();
    m_idleTimer.stop();
    m_blockTimer.stop();
}

void BootLoader::receive(const QByteArray& bytes)
{
    if (!m_active)
        return;
    m_buffer += bytes;
    if (m_started)
        m_idleTimer.start();
    processBuffer();
}

quint16 BootLoader::crc16(const QByteArray& data)
{
    quint16 crc = 0;
    for (const char byte : data) {
        crc ^= static_cast<quint16>(static_cast<quint8>(byte) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x8000) ? static_cast<quint16>((crc << 1) ^ 0x1021) : static_cast<quint16>(crc << 1);
    }
    return crc;
}

void BootLoader::processBuffer()
{
    while (m_active && !m_buffer.isEmpty()) {
        const char head = m_buffer.at(0);
        if (head == EOT) {
            m_buffer.remove(0, 1);
            handleEot();
            continue;
        }
        if (head == CAN) {
            if (m_buffer.size() < 2) {
                m_blockTimer.start();
                return;
            }
            if (m_buffer.at(1) == CAN) {
                finish(false, QStringLiteral("transfer cancelled by the sender"));
                return;
            }
            m_buffer.remove(0, 1);
            continue;
        }
        if (head != SOH && head != STX) {
            // Line noise between blocks.
            m_buffer.remove(0, 1);
            continue;
        }
        const int size = head == STX ? 1024 : 128;
        if (m_buffer.size() < size + 5) {
            m_blockTimer.start();
            return;
        }
        m_blockTimer.stop();
        const QByteArray block = m_buffer.left(size + 5);
        m_buffer.remove(0, size + 5);
        handleBlock(block, size);
    }
}

void BootLoader::handleBlock(const QByteArray& block, int size)
{
    if (!m_started) {
        m_started = true;
        ++m_transfers;
        m_cTimer.stop();
        m_windowTimer.stop();
        m_idleTimer.start();
    }
    const int ordinal = m_accepted + 1;
    const int ignored = m_settings.ignoreFirstBlock;
    if (ordinal == 1 && (ignored < 0 || m_transfers <= ignored)) {
        emit note(QStringLiteral("block 1 left unanswered (fault)"));
        return;
    }
    if (ordinal == m_settings.cutFirstTransferAt && m_transfers == 1) {
        emit send(QByteArray(2, CAN));
        finish(false, QStringLiteral("transfer cut at block %1 (fault)").arg(ordinal));
        return;
    }
    const int number = static_cast<quint8>(block.at(1));
    const int complement = static_cast<quint8>(block.at(2));
    const QByteArray data = block.mid(3, size);
    const quint16 sent = static_cast<quint16>((static_cast<quint8>(block.at(size + 3)) << 8) | static_cast<quint8>(block.at(size + 4)));
    if (number + complement != 255 || crc16(data) != sent) {
        emit note(QStringLiteral("block %1 damaged: NAK").arg(ordinal));
        emit send(QByteArray(1, NAK));
        return;
    }
    if (m_accepted > 0 && number == m_lastNumber) {
        emit note(QStringLiteral("block %1 repeated: ACK").arg(m_accepted));
        emit send(QByteArray(1, ACK));
        return;
    }
    if (number != ((m_lastNumber + 1) & 0xFF)) {
        emit send(QByteArray(2, CAN));
        finish(false, QStringLiteral("block number %1 out of sequence").arg(number));
        return;
    }
    if (m_settings.nakBlocks.contains(ordinal) && !m_nakSent.contains(ordinal)) {
        m_nakSent.insert(ordinal);
        emit note(QStringLiteral("block %1 refused once (fault)").arg(ordinal));
        emit send(QByteArray(1, NAK));
        return;
    }
    m_image += data;
    m_accepted = ordinal;
    m_lastNumber = number;
    emit note(QStringLiteral("block %1 (number %2, %3 bytes) CRC good: ACK").arg(ordinal).arg(number).arg(size));
    emit send(QByteArray(1, ACK));
}

void BootLoader::handleEot()
{
    if (!m_started)
        return;
    if (m_settings.nakFirstEot && !m_eotRefused) {
        m_eotRefused = true;
        emit note(QStringLiteral("first EOT refused (fault)"));
        emit send(QByteArray(1, NAK));
        return;
    }
    emit send(QByteArray(1, ACK));
    finish(m_accepted > 0, QStringLiteral("EOT after %1 blocks").arg(m_accepted));
}

void BootLoader::onIncompleteBlock()
{
    m_buffer.clear();
    if (m_started) {
        emit note(QStringLiteral("block incomplete: NAK"));
        emit send(QByteArray(1, NAK));
    }
}

void BootLoader::finish(bool complete, const QString& why)
{
    stop();
    emit note(why);
    emit finished(complete, m_image);
}
