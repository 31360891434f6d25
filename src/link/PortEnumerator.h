#pragma once

#include <QList>
#include <QString>

// What the port look-ups need to know about one serial port.
struct PortRecord {
    QString portName;
    QString description;
    QString manufacturer;
    bool hasIds = false;
    int vendorId = 0;
    int productId = 0;
};

// The source of the port list. The platform's own list is the default; tests
// present any list they like.
class PortEnumerator {
public:
    virtual ~PortEnumerator() = default;
    virtual QList<PortRecord> Ports() const = 0;
};
