#include "link/SystemPortEnumerator.h"

#include <QSerialPortInfo>

QList<PortRecord> SystemPortEnumerator::Ports() const
{
    QList<PortRecord> records;
    const QList<QSerialPortInfo> ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports) {
        PortRecord record;
        record.portName = info.portName();
        record.description = info.description();
        record.manufacturer = info.manufacturer();
        record.hasIds = info.hasVendorIdentifier() && info.hasProductIdentifier();
        record.vendorId = info.vendorIdentifier();
        record.productId = info.productIdentifier();
        records.append(record);
    }
    return records;
}
