#include "model/SettingRules.h"

#include "model/Messages.h"
#include "model/VesselData.h"

#include <algorithm>

bool SettingRules::IsAisCharacter(QChar c)
{
    return c.unicode() >= ' ' && c.unicode() <= '_';
}

bool SettingRules::IsUnsetText(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c == QLatin1Char('@'); });
}

QString SettingRules::ShownText(const QString& text)
{
    return IsUnsetText(text) ? QString() : text;
}

const QVector<int>& SettingRules::OfferedVesselTypes()
{
    static const QVector<int> types = { VesselData::TypeNotSpecified, 30, 31, 32, 33, 34, 35, 36, 37, 50, 51,
        52, 53, 54, 55, 58, 59, 60, 70, 80 };
    return types;
}

int SettingRules::LogPeriodOnStep(int period, int interval)
{
    if (interval <= 0) {
        return period;
    }
    return qMax(interval, period / interval * interval);
}

QString SettingRules::MmsiProblem(const QString& text)
{
    bool digits = text.size() == MmsiDigits;
    for (const QChar c : text) {
        digits = digits && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
    return digits ? QString() : tr("must be exactly %1 digits").arg(MmsiDigits);
}

QString SettingRules::AisTextProblem(const QString& text, int maxLength)
{
    if (text.size() > maxLength) {
        return tr("longer than %1 characters").arg(maxLength);
    }
    for (const QChar c : text) {
        if (!IsAisCharacter(c)) {
            return tr("the character \"%1\" is not allowed (only upper-case letters, digits, space and "
                      "the punctuation of AIS text)")
                .arg(c);
        }
    }
    return QString();
}

QString SettingRules::SendableTextProblem(const QString& text, int maxLength)
{
    if (text.size() > maxLength) {
        return tr("longer than %1 characters").arg(maxLength);
    }
    for (const QChar c : text) {
        if (c.unicode() < ' ' || c.unicode() > '~') {
            return tr("the character \"%1\" cannot be sent to the device").arg(c);
        }
    }
    return QString();
}

QString SettingRules::RangeProblem(double value, double lowest, double highest)
{
    if (value >= lowest && value <= highest) {
        return QString();
    }
    return tr("%1 is outside %2 to %3")
        .arg(value, 0, 'g', 10)
        .arg(lowest, 0, 'g', 10)
        .arg(highest, 0, 'g', 10);
}

// A device fresh from the factory or after "Reset vessel data" holds "not
// available"; its backup must open again to be restored.
QString SettingRules::VesselTypeProblem(int code)
{
    if (code == VesselData::TypeNotAvailable || OfferedVesselTypes().contains(code)) {
        return QString();
    }
    return tr("%1 is not one of the offered vessel types").arg(code);
}

QString SettingRules::ReportIntervalProblem(int seconds, int choices)
{
    for (int i = 0; i < choices && i < Messages::ReportIntervalCount; ++i) {
        if (Messages::reportIntervals[i] == seconds) {
            return QString();
        }
    }
    QStringList offered;
    for (int i = 0; i < choices && i < Messages::ReportIntervalCount; ++i) {
        offered << QString::number(Messages::reportIntervals[i]);
    }
    return tr("%1 s is not one of %2 s").arg(seconds).arg(offered.join(QStringLiteral(", ")));
}

QString SettingRules::HighRateIntervalProblem(bool enabled, int highRate, int position)
{
    if (!enabled || highRate < position) {
        return QString();
    }
    return tr("%1 s is not shorter than the position interval of %2 s").arg(highRate).arg(position);
}

QString SettingRules::LogPeriodProblem(int period, int positionInterval)
{
    const QString range = RangeProblem(period, LogPeriodMin, LogPeriodMax);
    if (!range.isEmpty()) {
        return range;
    }
    if (LogPeriodOnStep(period, positionInterval) != period) {
        return tr("%1 s is not a multiple of the position interval of %2 s")
            .arg(period)
            .arg(positionInterval);
    }
    return QString();
}
