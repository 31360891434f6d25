#include "link/PortWatcher.h"

#include "link/SerialController.h"

#include <QFileInfo>
#include <QTimer>

const int PortWatcher::CheckInterval = 1000;

PortWatcher::PortWatcher(QObject* parent)
    : QObject(parent)
    , m_timer(new QTimer(this))
{
    m_timer->setInterval(CheckInterval);
    connect(m_timer, &QTimer::timeout, this, &PortWatcher::onPortCheckTimeout);
    m_timer->start();
}

void PortWatcher::SetDeviceIds(int vendorId, int productId)
{
    m_vendorId = vendorId;
    m_productId = productId;
}

void PortWatcher::SetPortPath(const QString& path)
{
    m_portPath = path;
}

void PortWatcher::SetTransportPresent(bool present)
{
    m_transportPresent = present;
}

void PortWatcher::onPortCheckTimeout()
{
    // A connection attempt in progress is left alone; once it has failed and
    // its transport is gone, the next tick starts over on the port found then.
    if (m_transportPresent) {
        return;
    }
    const QString port = LookForDevice();
    if (!port.isEmpty()) {
        emit portFound(port);
        emit autoConnect();
    }
}

QString PortWatcher::LookForDevice() const
{
    if (!m_portPath.isEmpty()) {
        return QFileInfo::exists(m_portPath) ? m_portPath : QString();
    }
    if (SerialController::ListPorts().isEmpty()) {
        return QString();
    }
    return SerialController::FindDevicePort(m_vendorId, m_productId);
}
