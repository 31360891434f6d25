#pragma once

#include "model/ModelObject.h"

// The AIS voyage data of the VSD sentence.
class VesselData : public ModelObject {
    Q_OBJECT

public:
    static constexpr int TypeNotSpecified = -1;
    // What a device holds until a type is given; the pages offer no such entry.
    static constexpr int TypeNotAvailable = 0;

    VesselData();
    VesselData(const VesselData&) = default;
    VesselData& operator=(const VesselData&) = default;

    void reset() override;

    int vesselType() const { return m_vesselType; }
    void setVesselType(int type) { m_vesselType = type; }
    QString destination() const { return m_destination; }
    void setDestination(const QString& destination) { m_destination = destination; }

    // The translated description of an AIS ship and cargo code; empty for a
    // code the program does not offer.
    static QString vesselTypeText(int code);

private:
    int m_vesselType = TypeNotSpecified;
    QString m_destination;
};
