#include "link/SerialTransport.h"

#include "link/SerialController.h"

SerialTransport::SerialTransport(
    Model* model, SerialController* controller, const QString& portName, QObject* parent)
    : Transport(model, parent)
    , m_controller(controller)
    , m_portName(portName)
{
    connect(this, &Transport::SerialSend, m_controller, qOverload<const QString&>(&SerialController::OnSend));
    connect(m_controller, &SerialController::Received, this, &Transport::SerialReceived);
    connect(m_controller, &SerialController::Closed, this, &SerialTransport::SerialClosed);
    connect(m_controller, &SerialController::WriteFailed, this, &SerialTransport::OnWriteFailed);
    // Without a job in flight nothing else would notice: the link must end so
    // that the port watcher finds the device again, under whatever name.
    connect(m_controller, &SerialController::Lost, this, &SerialTransport::ReportConnectError);
}

bool SerialTransport::ConnectAtBaud(bool first)
{
    if (first || m_baud == BaudType::Baud38400) {
        m_baud = BaudType::Baud115200;
    } else {
        m_baud = BaudType::Baud38400;
    }
    if (!ClosePort() || !OpenPort()) {
        return false;
    }
    Send(QStringLiteral("\n\n"));
    emit testConnection(BaudTypes::toNumber(m_baud));
    return true;
}

bool SerialTransport::ClosePort()
{
    if (!m_controller->IsOpen()) {
        return true;
    }
    StopResponseTimer();
    return m_controller->Close();
}

bool SerialTransport::OpenPort()
{
    if (m_controller->IsOpen()) {
        ReportConnectError(tr("A connection is already open."));
        return false;
    }
    if (!m_controller->OpenPort(m_portName, m_baud)) {
        ReportConnectError(tr("An error was encountered in trying to open the serial port."));
        return false;
    }
    m_controller->OnSend(QStringLiteral("\r\n"));
    return true;
}

void SerialTransport::ReportConnectError(const QString& error)
{
    SetLastError(error);
    emit ConnectErrorMsg(error);
}

bool SerialTransport::ConnectTransport()
{
    if (m_connected) {
        return false;
    }
    m_connected = true;
    emit transportConnected();
    return true;
}

bool SerialTransport::Disconnect(bool error)
{
    // The transport is ending: no time-out may act on the port after this.
    StopResponseTimer();
    // An established link keeps its port: the next transport's first
    // connection attempt closes and reopens it.
    if (m_connected) {
        return true;
    }
    const bool closed = ClosePort();
    if (closed) {
        m_connected = false;
        emit Disconnected(error);
    }
    return closed;
}

void SerialTransport::SerialClosed()
{
    m_connected = false;
    emit Disconnected(false);
}

bool SerialTransport::Send(const QString& send)
{
    emit SerialSend(send);
    return true;
}

void SerialTransport::on_UsePortForSwUpdate(bool close)
{
    if (close) {
        emit portForSwUpdateResponse(ClosePort());
    } else {
        ConnectAtBaud(true);
    }
}

bool SerialTransport::ConnectFile(const QString& filename)
{
    if (m_connected) {
        return true;
    }
    StopResponseTimer();
    if (m_controller->IsOpen()) {
        ReportConnectError(tr("A connection is already open"));
    } else if (m_controller->OpenFile(filename)) {
        m_replayName = filename;
        m_connected = true;
        emit transportConnected();
    } else {
        ReportConnectError(tr("Error connecting a file. ") + m_controller->ErrorString());
    }
    return m_connected;
}

QString SerialTransport::ConnectionDescription() const
{
    if (m_controller->IsReplaying()) {
        return tr("Reading Log File ") + m_replayName + QStringLiteral(" ...");
    }
    return tr("Connected to Serial Port: ") + SerialController::PortDescription(m_portName)
        + QStringLiteral(" ...");
}

void SerialTransport::OnWriteFailed(const QString& error)
{
    SetLastError(tr("Error writing to the serial port: ") + error);
    emit SendError();
}
