#include "ui/DiagnosticsTexts.h"

#include <QLocale>

namespace {

const char* const laterChargingStates[] = {
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "0 Temperature charge pause"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "1 Fault, charge halt"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "2 Charge in progress"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "3 Charge complete"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "4 No charge supply"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "5 No battery fitted"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "6 Charging, reduced current"),
};

const char* const firstChargingStates[] = {
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "0 Battery not charging"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "1 Battery charging"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "2 Charge complete"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "3 Charge fault"),
};

const char* const laterLedIndicators[] = {
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "0 SOS alert"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "1 Charge fault "),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "2 GeoFence alert"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "3 Low battery"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "4 Bracket mismatch"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "5 No position"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "6 Tx error"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "7 No MMSI"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "8 OK (in bracket)"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "9 Charging"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "10 Charge complete"),
};

const char* const firstLedIndicators[] = {
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "0 User alert"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "1 Geofence alert"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "2 Bootloader"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "3 No MMSI"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "4 Wrong ID"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "5 No GPS"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "6 TX error"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "7 Error"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "8 Battery 10% alert"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "9 Battery 25% aler"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "10 Battery 50% aler"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "11 Battery charging"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "12 Battery charge error"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "13 Battery charge complete"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "14 Operating normally"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "15 Test LED red"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "16 Test LED green"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "17 Test LED blue"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "18 Number of indicators"),
};

const char* const powerBoxStates[] = {
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "0 Power Box Disabled"),
    QT_TRANSLATE_NOOP("DiagnosticsTexts", "1 Power Box Enabled"),
};

const char* const noData = QT_TRANSLATE_NOOP("DiagnosticsTexts", "No data");
// The first generation's LED code for its default priority, outside its table.
const int defaultPriorityLed = 99;
const char* const defaultPriority = QT_TRANSLATE_NOOP("DiagnosticsTexts", "99 Default priority");

// A text that is not a decimal number reads as 0.
int Code(const QString& text)
{
    return text.toInt();
}

template <int size> const char* Lookup(const char* const (&table)[size], const QString& code)
{
    const int index = Code(code);
    return index >= 0 && index < size ? table[index] : noData;
}

} // namespace

bool DiagnosticsTexts::IsLaterGeneration(const QString& appVersion)
{
    return appVersion.startsWith(QLatin1String("16"));
}

QString DiagnosticsTexts::BatteryVoltage(const QString& millivolts)
{
    return QLocale().toString(Code(millivolts) / 1000.0, 'f', 3) + QLatin1Char('V');
}

QString DiagnosticsTexts::ChargingState(const QString& code, bool laterGeneration)
{
    return tr(laterGeneration ? Lookup(laterChargingStates, code) : Lookup(firstChargingStates, code));
}

QString DiagnosticsTexts::LedIndicator(const QString& code, bool laterGeneration)
{
    if (laterGeneration)
        return tr(Lookup(laterLedIndicators, code));
    if (Code(code) == defaultPriorityLed)
        return tr(defaultPriority);
    return tr(Lookup(firstLedIndicators, code));
}

QString DiagnosticsTexts::PowerBox(const QString& code)
{
    return tr(Lookup(powerBoxStates, code));
}
