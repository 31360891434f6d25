#include "gnss/SkyGeometry.h"

#include <QLineF>
#include <QtMath>

namespace {

const int zenith = 90;
const int fullCircle = 360;

} // namespace

bool SkyGeometry::hasPosition(const SatelliteRecord& satellite)
{
    return satellite.prn > 0 && !(satellite.azimuth == 0 && satellite.elevation == 0)
        && satellite.elevation >= 0 && satellite.elevation <= zenith && satellite.azimuth >= 0
        && satellite.azimuth < fullCircle;
}

QPointF SkyGeometry::toDisc(int azimuth, int elevation)
{
    const double radius = double(zenith - elevation) / zenith;
    const double angle = qDegreesToRadians(double(azimuth));
    return QPointF(radius * qSin(angle), -radius * qCos(angle));
}

int SkyGeometry::nearest(const QVector<QPointF>& points, const QPointF& at, double radius)
{
    int found = -1;
    double best = radius;
    for (int i = 0; i < points.size(); ++i) {
        const double distance = QLineF(points[i], at).length();
        if (distance <= best) {
            best = distance;
            found = i;
        }
    }
    return found;
}
