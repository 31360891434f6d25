#pragma once

#include "model/ModelObject.h"

// The AIS static data of the SSD sentence: name, call sign and the position of
// the reference point, stored in metres.
class StaticData : public ModelObject {
    Q_OBJECT

public:
    enum Dimension { DimensionA, DimensionB, DimensionC, DimensionD, DimensionCount };

    StaticData() = default;
    StaticData(const StaticData&) = default;
    StaticData& operator=(const StaticData&) = default;

    void reset() override;

    QString vesselName() const { return m_vesselName; }
    void setVesselName(const QString& name) { m_vesselName = name; }
    QString callSign() const { return m_callSign; }
    void setCallSign(const QString& callSign) { m_callSign = callSign; }

    float dimension(Dimension which) const;
    void setDimension(Dimension which, float metres);
    // Whole metres or feet, rounded half up.
    int dimensionMetres(Dimension which) const;
    int dimensionFeet(Dimension which) const;
    void setDimensionMetres(Dimension which, int metres);
    void setDimensionFeet(Dimension which, int feet);
    // "A 8 m, B 4 m, C 2 m, D 1 m" in the reader's locale: the whole metres
    // the device is sent, with feet beside them when withFeet.
    QString dimensionsText(bool withFeet) const;

private:
    QString m_vesselName;
    QString m_callSign;
    float m_dimensions[DimensionCount] = {};
};
