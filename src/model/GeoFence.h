#pragma once

#include "model/ModelObject.h"

#include <QPointF>
#include <QVector>

// The corners of a geofence as longitude (x) and latitude (y) in degrees. The
// device keeps its fences to itself today; the list is held so that a model
// reset has a defined state for it.
class GeoFence : public ModelObject {
    Q_OBJECT

public:
    GeoFence() = default;

    void reset() override;

    const QVector<QPointF>& corners() const { return m_corners; }
    void addCorner(const QPointF& corner) { m_corners.append(corner); }

private:
    Q_DISABLE_COPY(GeoFence)

    QVector<QPointF> m_corners;
};
