#pragma once

#include "gnss/SatelliteRecord.h"

#include <QPointF>
#include <QVector>

// Where a satellite appears on a sky plot: the sky seen from below, north
// up and east to the right, as a unit disc whose centre is the zenith and
// whose rim is the horizon; the distance from the centre grows evenly as
// the elevation falls.
class SkyGeometry {
public:
    // Receivers send azimuth and elevation 0 for a satellite whose position
    // they do not know yet; such a satellite, and one below the horizon, has
    // no place on the plot.
    static bool hasPosition(const SatelliteRecord& satellite);
    // The satellite's place on the unit disc, y growing downwards (south).
    static QPointF toDisc(int azimuth, int elevation);
    // The index of the point nearest to `at` no farther than `radius`, or -1.
    static int nearest(const QVector<QPointF>& points, const QPointF& at, double radius);
};
