#include "model/ModelObject.h"

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
