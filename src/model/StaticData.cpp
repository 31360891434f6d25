#include "model/StaticData.h"

#include <QLocale>
#include <QStringList>

namespace {

constexpr double feetPerMetre = 3.28084;

bool isDimension(StaticData::Dimension which)
{
    const int index = static_cast<int>(which);
    return index >= 0 && index < StaticData::DimensionCount;
}

} // namespace

void StaticData::reset()
{
    *this = StaticData();
}

// An index outside the enumeration reads as 0 and is never written, so a bad
// caller cannot reach outside the array.
float StaticData::dimension(Dimension which) const
{
    return isDimension(which) ? m_dimensions[which] : 0.0f;
}

void StaticData::setDimension(Dimension which, float metres)
{
    if (isDimension(which)) {
        m_dimensions[which] = metres;
    }
}

int StaticData::dimensionMetres(Dimension which) const
{
    return truncatedToInt(dimension(which) + 0.5);
}

int StaticData::dimensionFeet(Dimension which) const
{
    return truncatedToInt(dimension(which) * feetPerMetre + 0.5);
}

void StaticData::setDimensionMetres(Dimension which, int metres)
{
    setDimension(which, static_cast<float>(metres));
}

void StaticData::setDimensionFeet(Dimension which, int feet)
{
    setDimension(which, static_cast<float>(feet / feetPerMetre));
}

QString StaticData::dimensionsText(bool withFeet) const
{
    const QLocale locale;
    QStringList parts;
    for (int index = 0; index < DimensionCount; ++index) {
        const auto which = static_cast<Dimension>(index);
        const QString letter(QLatin1Char(static_cast<char>('A' + index)));
        const QString metres = locale.toString(dimensionMetres(which));
        parts << (withFeet ? tr("%1 %2 m (%3 ft)").arg(letter, metres, locale.toString(dimensionFeet(which)))
                           : tr("%1 %2 m").arg(letter, metres));
    }
    return parts.join(QStringLiteral(", "));
}
