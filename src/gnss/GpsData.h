#pragma once

#include <QDate>
#include <QObject>
#include <QTime>

class GeoPosition;

// The position fix of one RMC cycle. The decoder owns it and overwrites it
// with every RMC: receivers of its signal read it at once and never keep it.
class GpsData : public QObject {
    Q_OBJECT

public:
    // RMC mode letters A D E F M N P R S, in this order; every other letter
    // counts as ModeNotValid.
    enum Mode {
        ModeAutonomous,
        ModeDifferential,
        ModeEstimated,
        ModeFloatRtk,
        ModeManual,
        ModeNotValid,
        ModePrecise,
        ModeRtk,
        ModeSimulator,
    };

    explicit GpsData(QObject* parent = nullptr);

    // Time 00:00:00, date 1 January 2000, position 0/0, speed and course 0.
    // The mode indicator stays: an RMC without one keeps the last one seen.
    void reset();

    QTime time() const { return m_time; }
    void setTime(const QTime& time) { m_time = time; }
    QDate date() const { return m_date; }
    void setDate(const QDate& date) { m_date = date; }
    GeoPosition* position() const { return m_position; }

    double speedOverGround() const { return m_speedOverGround; }
    void setSpeedOverGround(double knots) { m_speedOverGround = knots; }
    double courseOverGround() const { return m_courseOverGround; }
    // Keeps the old course and answers false unless 0 <= degrees < 360.
    bool setCourseOverGround(double degrees);

    int modeIndicator() const { return m_modeIndicator; }
    void setModeIndicator(int mode) { m_modeIndicator = mode; }
    static int modeFromLetter(QChar letter);

    // "ddMMyy" as RMC sends it. Two-digit years from 80 on are 1980 to 1999
    // (GNSS time begins in 1980), the others 2000 to 2079.
    static QDate dateFromRmc(const QString& text);
    // The first six characters as "hhmmss"; fractions of a second are dropped.
    static QTime timeFromRmc(const QString& text);

private:
    QTime m_time;
    QDate m_date;
    GeoPosition* m_position;
    double m_speedOverGround = 0.0;
    double m_courseOverGround = 0.0;
    int m_modeIndicator = ModeNotValid;
};
