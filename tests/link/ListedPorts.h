#pragma once

#include "link/PortEnumerator.h"

#include <QMetaType>

// A port list that the test sets up as it likes.
class ListedPorts : public PortEnumerator {
public:
    QList<PortRecord> ports;
    QList<PortRecord> Ports() const override { return ports; }

    static PortRecord Record(const QString& name, const QString& description,
        const QString& manufacturer = QString(), int vendor = -1, int product = -1)
    {
        PortRecord record;
        record.portName = name;
        record.description = description;
        record.manufacturer = manufacturer;
        record.hasIds = vendor >= 0;
        record.vendorId = vendor;
        record.productId = product;
        return record;
    }
};

Q_DECLARE_METATYPE(PortRecord)
