#include "model/ModelObject.h"

#include <cmath>
#include <limits>

ModelObject::ModelObject(QObject* parent)
    : QObject(parent)
{
}

ModelObject::ModelObject(const ModelObject&)
    : QObject(nullptr)
{
}

ModelObject& ModelObject::operator=(const ModelObject&)
{
    return *this;
}

QVariant ModelObject::value(const QString&) const
{
    return QVariant();
}

void ModelObject::setValue(const QString&, const QVariant&) { }

int ModelObject::truncatedToInt(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::fmin(std::fmax(value, lowest), highest)));
}
