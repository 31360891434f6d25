#include "broadcast/BroadcastSettings.h"

#include "model/Model.h"

void BroadcastSettings::TakeMmsi(Model& source)
{
    const QString read = source.mmsi()->text();
    if (read != mmsi)
        *this = BroadcastSettings();
    mmsi = read;
}

void BroadcastSettings::TakeVessel(Model& source)
{
    TakeMmsi(source);
    const StaticData* identity = source.staticData();
    vesselRead = true;
    name = identity->vesselName().trimmed();
    callSign = identity->callSign().trimmed();
    // A vessel type not given goes on the air as "not available".
    shipType = qMax(source.vesselData()->vesselType(), 0);
    destination = source.vesselData()->destination().trimmed();
    for (int which = StaticData::DimensionA; which < StaticData::DimensionCount; ++which)
        dimensions[which] = identity->dimensionMetres(static_cast<StaticData::Dimension>(which));
}

void BroadcastSettings::TakeSafetyText(Model& source)
{
    TakeMmsi(source);
    safetyTextRead = true;
    safetyText = source.alerts()->sosMessage().trimmed();
}
