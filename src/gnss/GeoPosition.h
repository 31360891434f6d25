#pragma once

#include <QObject>
#include <QString>

// A latitude and longitude in signed degrees (north and east positive), with
// the degree-minute texts the GNSS page shows.
class GeoPosition : public QObject {
    Q_OBJECT

public:
    explicit GeoPosition(QObject* parent = nullptr);

    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    // Out-of-range values are stored as 0 rather than refused, so that a
    // damaged sentence never leaves the previous fix on show.
    void setLatitude(double latitude);
    void setLongitude(double longitude);

    QString latitudeDmsText() const;
    QString latitudeDmText() const;
    QString longitudeDmsText() const;
    QString longitudeDmText() const;

private:
    QString latitudeHemisphere() const;
    QString longitudeHemisphere() const;

    double m_latitude = 0.0;
    double m_longitude = 0.0;
};
