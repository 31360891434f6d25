#pragma once

#include <QCoreApplication>
#include <QString>

// The words the diagnostics page shows for the device's status readings.
// The codes mean different things on the two device generations.
class DiagnosticsTexts {
    Q_DECLARE_TR_FUNCTIONS(DiagnosticsTexts)

public:
    // The later generation reports versions of the "160200" family.
    static bool IsLaterGeneration(const QString& appVersion);
    // Millivolts as volts with three decimals in the reader's locale, e.g.
    // "3712" as "3.712V", in German "3,712V".
    static QString BatteryVoltage(const QString& millivolts);
    // The words for a status code; codes without an entry read "No data".
    static QString ChargingState(const QString& code, bool laterGeneration);
    static QString LedIndicator(const QString& code, bool laterGeneration);
    static QString PowerBox(const QString& code);
};
