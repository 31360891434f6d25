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

void Model::takeSettings(Model& source)
{
    m_sbasEnabled = source.m_sbasEnabled;
    m_mmsi = source.m_mmsi;
    m_staticData = source.m_staticData;
    m_vesselData = source.m_vesselData;
    m_messages = source.m_messages;
    m_alerts = source.m_alerts;
    m_geoBoundary = source.m_geoBoundary;
    m_voyageLog = source.m_voyageLog;
}
