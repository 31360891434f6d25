#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// Base of every object of the configuration model. The objects are passive
// holders: no signals, no I/O, no validation beyond a few unit conversions.
class ModelObject : public QObject {
    Q_OBJECT

public:
    explicit ModelObject(QObject* parent = nullptr);

    virtual void reset() = 0;
    virtual QVariant value(const QString& name) const;
    virtual void setValue(const QString& name, const QVariant& value);

protected:
    // Truncates toward zero, saturating at the int range; NaN gives 0. Keeps
    // unit conversions of any stored value free of undefined behaviour.
    static int truncatedToInt(double value);

    // Sub-objects are copied by value between the two models; only the data
    // travels, never the QObject identity or parent.
    ModelObject(const ModelObject& other);
    ModelObject& operator=(const ModelObject& other);
};
