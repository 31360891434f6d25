#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

// The device's GNSS receiver: once a second a cycle of RMC, GSA and GSV
// sentences (GPS and GLONASS, with an SBAS satellite and some satellites in
// view but not tracked) for a vessel moving along a slowly turning track, and
// now and then a text message in several TXT sentences.
class GnssReceiver
{
public:
    GnssReceiver(double latitude, double longitude, double speedKnots);

    void setTextMessages(int everyCycles, bool leadingField);
    double latitude() const { return m_latitude; }
    double longitude() const { return m_longitude; }
    double speedKnots() const { return m_speedKnots; }
    double course() const { return m_course; }
    // The sentence bodies (without checksum) of the cycle at utc, and moves
    // the vessel on by one second.
    QStringList cycle(const QDateTime& utc);

private:
    struct Satellite {
        int prn;
        int elevation;
        int azimuth;
        int snr; // 0: in view, not tracked
    };

    QString rmc(const QDateTime& utc) const;
    QStringList gsa(const QList<Satellite>& gps, const QList<Satellite>& glonass) const;
    static QStringList gsv(const QString& talker, const QList<Satellite>& satellites);
    QStringList txt() const;
    QList<Satellite> sky(const QList<int>& prns) const;
    void advance();

    double m_latitude;
    double m_longitude;
    double m_speedKnots;
    double m_course = 62.0;
    int m_cycles = 0;
    int m_textEvery = 0;
    bool m_textLeadingField = false;
};
