#pragma once

#include <QObject>
#include <QString>

class QTimer;

// Looks for the Identifier's port once a second and asks for a connection
// whenever the device is there and no connection exists. This is the
// program's only way of reconnecting.
class PortWatcher : public QObject {
    Q_OBJECT

public:
    explicit PortWatcher(QObject* parent = nullptr);

    // Negative ids stand for the Identifier's own.
    void SetDeviceIds(int vendorId, int productId);
    // A port given by path is taken as the device whenever it exists,
    // whatever the USB ids (ports without ids, the simulator).
    void SetPortPath(const QString& path);
    void SetTransportPresent(bool present);
    bool IsTransportPresent() const { return m_transportPresent; }

    static const int CheckInterval;

signals:
    // The device's port; stored as the port to open before autoConnect().
    void portFound(const QString& portName);
    void autoConnect();

public slots:
    void onPortCheckTimeout();

private:
    QString LookForDevice() const;

    QTimer* m_timer = nullptr;
    QString m_portPath;
    int m_vendorId = -1;
    int m_productId = -1;
    bool m_transportPresent = false;
};
