#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

// The limits the pages put on what the user may enter, kept here so that the
// pages and anything reading settings from elsewhere (profile files) apply
// the same ones. The Problem functions answer an empty text for a good value,
// else the reason in words.
class SettingRules {
    Q_DECLARE_TR_FUNCTIONS(SettingRules)

public:
    static constexpr int MmsiDigits = 9;
    static constexpr int VesselNameLength = 20;
    static constexpr int CallSignLength = 7;
    static constexpr int SosMessageLength = 16;
    static constexpr int LengthMaxMetres = 511;
    static constexpr int LengthMaxFeet = 1677;
    static constexpr int BeamMaxMetres = 63;
    static constexpr int BeamMaxFeet = 206;
    static constexpr int HighRateSogMin = 1;
    static constexpr int HighRateSogMax = 50;
    // The high-rate list offers all report intervals but the longest.
    static constexpr int HighRateIntervalCount = 6;
    static constexpr int FrequencyMinHz = 156025000;
    static constexpr int FrequencyMaxHz = 162025000;
    static constexpr int LogPeriodMin = 60;
    static constexpr int LogPeriodMax = 86400;
    static constexpr int LogDistanceMin = 400;
    static constexpr int LogDistanceMax = 1000;
    // What a device's fields hold and the sentences carry, which may be more
    // than the pages offer: a device's own values are always taken back.
    static constexpr int SosMessageFieldLength = 20;
    static constexpr int VesselTypeMax = 255;
    static constexpr int LengthFieldMax = 999; // three digits in the static data sentence
    static constexpr int BeamFieldMax = 99; // two digits

    // The printable part of the AIS six-bit character set, space to "_".
    static bool IsAisCharacter(QChar c);
    // The device fills a text it has not been given with "@": a text of
    // nothing else is no text.
    static bool IsUnsetText(const QString& text);
    // Such a text is shown empty.
    static QString ShownText(const QString& text);
    // The ship and cargo codes offered, in the order shown; the reserved and
    // spare codes of the table are left out.
    static const QVector<int>& OfferedVesselTypes();
    // The log period on the step of the position interval: rounded down to a
    // multiple of it, at least one interval. A missing interval gives no step.
    static int LogPeriodOnStep(int period, int interval);

    static QString MmsiProblem(const QString& text);
    static QString AisTextProblem(const QString& text, int maxLength);
    // Any printable ASCII character can be sent, lower case too.
    static QString SendableTextProblem(const QString& text, int maxLength);
    static QString RangeProblem(double value, double lowest, double highest);
    static QString VesselTypeProblem(int code);
    static QString ReportIntervalProblem(int seconds, int choices);
    // High-rate reporting must be strictly more frequent than the normal rate.
    static QString HighRateIntervalProblem(bool enabled, int highRate, int position);
    static QString LogPeriodProblem(int period, int positionInterval);
};
