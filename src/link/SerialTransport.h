#pragma once

#include "app/BaudType.h"
#include "link/Transport.h"

class SerialController;

// The transport over the program's serial controller. It brings the port up
// at 115200 or 38400 baud and wires itself to the controller: received lines
// come in, sentences go out, and a port closing from below ends the link.
class SerialTransport : public Transport {
    Q_OBJECT

public:
    SerialTransport(Model* model, SerialController* controller, const QString& portName,
        QObject* parent = nullptr);

    bool IsConnected() const override { return m_connected; }
    // Reopens the port, at 115200 baud when first, otherwise at the rate not
    // tried last, and asks for the connection test.
    bool ConnectAtBaud(bool first) override;
    QString ConnectionDescription() const override;
    BaudType Baud() const { return m_baud; }

public slots:
    bool ConnectTransport() override;
    void on_UsePortForSwUpdate(bool close) override;
    bool Send(const QString& send) override;
    bool Disconnect(bool error) override;
    void SerialClosed() override;
    bool ConnectFile(const QString& filename);

private slots:
    void OnWriteFailed(const QString& error);

private:
    bool ClosePort();
    bool OpenPort();
    void ReportConnectError(const QString& error);

    SerialController* m_controller;
    QString m_portName;
    QString m_replayName;
    bool m_connected = false;
    BaudType m_baud = BaudType::Baud115200;
};
