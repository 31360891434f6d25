#include "model/Model.h"

Model::Model(QObject* parent)
    : ModelObject(parent)
{
}

void Model::reset()
{
    m_appVersion.clear();
    m_serialNumber.clear();
    m_mmsi.reset();
    m_staticData.reset();
    m_vesselData.reset();
    m_messages.reset();
    m_alerts.reset();
    m_geoFence.reset();
    m_voyageLog.reset();
    m_sbasEnabled = true;
}
