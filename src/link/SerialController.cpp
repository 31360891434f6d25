#include "link/SerialController.h"

#include "link/SystemPortEnumerator.h"
#include "protocol/ConsoleLine.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

const int SerialController::DefaultVendorId = 1155;
const int SerialController::DefaultProductId = 22336;
const int SerialController::MaxPieceLength = 255;
const int SerialController::MaxPiecesPerRead = 100;
const int SerialController::ReplayInterval = 10;

namespace {

const int DrainTimeout = 500;

const PortEnumerator* g_enumerator = nullptr;
QList<PortRecord> g_portCache;

void RefreshPortCache()
{
    static const SystemPortEnumerator systemPorts;
    g_portCache = (g_enumerator ? g_enumerator : &systemPorts)->Ports();
}

QString FriendlyName(const PortRecord& record)
{
    return record.description.isEmpty() ? record.manufacturer : record.description;
}

QString DisplayName(const PortRecord& record)
{
    if (SerialController::IsDeviceDescription(record.description)
        || SerialController::IsDeviceDescription(record.manufacturer)) {
        return SerialController::tr("AIS Virtual COM Port");
    }
    const QString friendly = FriendlyName(record);
    return friendly.isEmpty() ? record.portName : friendly;
}

QString LogTimeStamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("hh:mm:ss yyyy/MM/dd"));
}

} // namespace

SerialController::SerialController(QObject* parent)
    : QObject(parent)
{
}

SerialController::~SerialController()
{
    Close();
    StopLog();
}

bool SerialController::OpenPort(const QString& portName, BaudType baud)
{
    if (IsOpen() || portName.isEmpty()) {
        return false;
    }
    auto* port = new QSerialPort(portName, this);
    port->setBaudRate(BaudTypes::rate(baud));
    port->setFlowControl(QSerialPort::NoFlowControl);
    port->setParity(QSerialPort::NoParity);
    port->setDataBits(QSerialPort::Data8);
    port->setStopBits(QSerialPort::OneStop);
    if (!port->open(QIODevice::ReadWrite)) {
        m_errorString = port->errorString();
        delete port;
        return false;
    }
    // A pseudo-terminal or a bare UART has no DTR line; the link works
    // without it, so a refusal here is no reason to give up the port.
    if (!port->setDataTerminalReady(true)) {
        port->clearError();
    }
    m_port = port;
    m_assembler.clear();
    connect(m_port, &QSerialPort::readyRead, this, &SerialController::OnReceived);
    connect(m_port, &QSerialPort::errorOccurred, this, &SerialController::OnPortError);
    emit Opened();
    return true;
}

bool SerialController::OpenFile(const QString& fileName)
{
    if (IsOpen()) {
        return false;
    }
    auto* file = new QFile(fileName, this);
    if (!file->open(QIODevice::ReadOnly)) {
        m_errorString = file->errorString();
        delete file;
        return false;
    }
    m_replayFile = file;
    m_assembler.clear();
    m_replayTimer = new QTimer(this);
    m_replayTimer->setInterval(ReplayInterval);
    connect(m_replayTimer, &QTimer::timeout, this, &SerialController::OnReceived);
    m_replayTimer->start();
    emit Opened();
    return true;
}

bool SerialController::Close()
{
    const bool closing = IsOpen();
    if (m_port) {
        ClosePort(true);
    }
    if (m_replayFile) {
        CloseReplay();
    }
    return closing;
}

void SerialController::ClosePort(bool drain)
{
    QSerialPort* port = m_port;
    m_port = nullptr;
    disconnect(port, nullptr, this, nullptr);
    if (drain) {
        port->setDataTerminalReady(false);
        if (port->bytesToWrite() > 0) {
            port->waitForBytesWritten(DrainTimeout);
        }
        port->readAll();
    }
    port->close();
    // The port may be the sender of the signal being handled right now.
    port->deleteLater();
    emit Closed();
}

void SerialController::CloseReplay()
{
    delete m_replayTimer;
    m_replayTimer = nullptr;
    m_replayFile->close();
    delete m_replayFile;
    m_replayFile = nullptr;
    emit Closed();
}

bool SerialController::IsOpen() const
{
    return m_port || m_replayFile;
}

bool SerialController::IsReplaying() const
{
    return m_replayFile != nullptr;
}

QString SerialController::ErrorString() const
{
    if (m_port && m_port->error() != QSerialPort::NoError) {
        return m_port->errorString();
    }
    if (m_replayFile && m_replayFile->error() != QFileDevice::NoError) {
        return m_replayFile->errorString();
    }
    return m_errorString.isEmpty() ? tr("Unknown error") : m_errorString;
}

void SerialController::OnPortError(QSerialPort::SerialPortError error)
{
    // A vanished device (USB cable pulled) shows as a resource error; a
    // pseudo-terminal whose far end has gone reads end-of-file, reported as a
    // read error, again on every later poll. Either way the port is gone from
    // below: close it without waiting on it.
    const bool lost = error == QSerialPort::ResourceError || error == QSerialPort::ReadError;
    if (lost && m_port) {
        // The system rarely says more than "Unknown error" here.
        m_errorString = tr("the port has gone; was the cable pulled?");
        ClosePort(false);
        emit Lost(m_errorString);
    } else if (error == QSerialPort::WriteError && m_port) {
        emit WriteFailed(m_port->errorString());
    }
}

void SerialController::OnReceived()
{
    m_readScheduled = false;
    if (m_port) {
        ReadPort();
    } else if (m_replayFile) {
        ReadReplay();
    }
}

void SerialController::ReadPort()
{
    char buffer[MaxPieceLength + 1];
    int pieces = 0;
    while (m_port && m_port->bytesAvailable() > 0 && pieces < MaxPiecesPerRead) {
        const qint64 length = m_port->readLine(buffer, sizeof buffer);
        if (length <= 0) {
            return;
        }
        ++pieces;
        ProcessPiece(QString::fromLatin1(buffer, int(length)));
    }
    // readyRead comes only with new bytes, so the rest must be fetched by us.
    if (m_port && m_port->bytesAvailable() > 0 && !m_readScheduled) {
        m_readScheduled = true;
        QTimer::singleShot(0, this, &SerialController::OnReceived);
    }
}

void SerialController::ReadReplay()
{
    if (m_replayFile->atEnd()) {
        CloseReplay();
        return;
    }
    char buffer[MaxPieceLength + 1];
    const qint64 length = m_replayFile->readLine(buffer, sizeof buffer);
    if (length < 0) {
        m_errorString = m_replayFile->errorString();
        CloseReplay();
        return;
    }
    ProcessPiece(QString::fromUtf8(buffer, int(length)));
}

void SerialController::ProcessPiece(const QString& piece)
{
    const LineAssembler::Result result = m_assembler.take(piece, m_replayFile != nullptr);
    switch (result.kind) {
    case LineAssembler::Kind::Sent:
        emit Sent(result.text);
        break;
    case LineAssembler::Kind::Prompt:
        emit Received(result.text);
        break;
    case LineAssembler::Kind::Line:
        DeliverLine(result.text);
        break;
    case LineAssembler::Kind::Nothing:
        break;
    }
}

void SerialController::DeliverLine(const QString& line)
{
    // Identification replies carry the serial number; keep them out of files.
    const bool identifying
        = line.contains(QLatin1String("255,appver")) || line.contains(QLatin1String("255,getserno"));
    if (!identifying && m_logFile) {
        WriteLogText(m_logTimeStamps ? ConsoleLine::TimeStamp(QTime::currentTime()) + QLatin1Char(' ') + line : line);
    }
    emit Received(line);
}

void SerialController::WriteLogText(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    const bool written = m_logFile->write(bytes) == bytes.size() && m_logFile->flush();
    if (!written) {
        m_logError = m_logFile->errorString();
        emit SaveError();
    }
}

void SerialController::WriteLogBanner(const char* words)
{
    WriteLogText(QStringLiteral("#\n") + tr(words) + LogTimeStamp() + QStringLiteral("\n#\n"));
}

bool SerialController::StartLog(const QString& fileName)
{
    if (m_logFile) {
        return false;
    }
    auto* file = new QFile(fileName, this);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        m_logError = file->errorString();
        delete file;
        return false;
    }
    m_logFile = file;
    WriteLogBanner(QT_TR_NOOP("# velmora Started log file at "));
    return true;
}

bool SerialController::StopLog()
{
    if (!m_logFile) {
        return false;
    }
    WriteLogBanner(QT_TR_NOOP("# velmora Stopped log file at "));
    m_logFile->close();
    delete m_logFile;
    m_logFile = nullptr;
    return true;
}

QString SerialController::LogErrorString() const
{
    return m_logError.isEmpty() ? tr("Unknown error") : m_logError;
}

void SerialController::OnSend(const QString& text)
{
    if (m_port) {
        WriteToPort(text.toLatin1());
        emit Sent(text);
    }
}

void SerialController::OnSend(const QByteArray& data)
{
    if (m_port) {
        WriteToPort(data);
    }
}

void SerialController::WriteToPort(const QByteArray& bytes)
{
    if (m_port->write(bytes) != bytes.size()) {
        emit WriteFailed(m_port->errorString());
    }
}

bool SerialController::IsDeviceDescription(const QString& friendlyName)
{
    return friendlyName.startsWith(QLatin1String("STMicroelectronics"))
        || friendlyName.startsWith(QLatin1String("STM Virtual"))
        || friendlyName.startsWith(QLatin1String("STM32"));
}

void SerialController::SetPortEnumerator(const PortEnumerator* enumerator)
{
    g_enumerator = enumerator;
    g_portCache.clear();
}

QList<QPair<QString, QString>> SerialController::ListPorts()
{
    RefreshPortCache();
    QList<QPair<QString, QString>> ports;
    for (const PortRecord& record : qAsConst(g_portCache)) {
        if (!record.portName.startsWith(QLatin1String("LPT"))) {
            ports.append(qMakePair(record.portName, DisplayName(record)));
        }
    }
    return ports;
}

QString SerialController::PortDescription(const QString& portName)
{
    if (g_portCache.isEmpty()) {
        RefreshPortCache();
    }
    for (const PortRecord& record : qAsConst(g_portCache)) {
        if (record.portName == portName) {
            return FriendlyName(record).isEmpty() ? portName : DisplayName(record);
        }
    }
    return portName;
}

QList<PortRecord> SerialController::PortRecords()
{
    RefreshPortCache();
    return g_portCache;
}

bool SerialController::IsDevicePort(const PortRecord& record, int vendorId, int productId)
{
    const int vendor = vendorId < 0 ? DefaultVendorId : vendorId;
    const int product = productId < 0 ? DefaultProductId : productId;
    return record.hasIds && record.vendorId == vendor && record.productId == product;
}

// On Unix every port is a file, so the platform's list, which costs far more
// to make, is asked only where ports are names without files (COM3).
QStringList SerialController::ExistingPorts(const QStringList& portNames)
{
    QStringList existing;
#ifdef Q_OS_UNIX
    for (const QString& name : portNames) {
        const QString path = name.startsWith(QLatin1Char('/')) ? name : QStringLiteral("/dev/") + name;
        if (QFileInfo::exists(path)) {
            existing << name;
        }
    }
#else
    RefreshPortCache();
    for (const QString& name : portNames) {
        const bool listed = QFileInfo::exists(name)
            || std::any_of(g_portCache.cbegin(), g_portCache.cend(),
                [&name](const PortRecord& record) { return record.portName == name; });
        if (listed) {
            existing << name;
        }
    }
#endif
    return existing;
}

QString SerialController::FindDevicePort(int vendorId, int productId)
{
    RefreshPortCache();
    QString found;
    for (const PortRecord& record : qAsConst(g_portCache)) {
        if (!IsDevicePort(record, vendorId, productId)) {
            continue;
        }
        found = record.portName;
        if (!IsPortBusy(found)) {
            break;
        }
    }
    return found;
}

bool SerialController::IsPortBusy(const QString& portName)
{
    QSerialPort port(portName);
    if (!port.open(QIODevice::ReadWrite)) {
        return true;
    }
    port.close();
    return false;
}
