#include "ui/AisValidator.h"

#include "model/SettingRules.h"

AisValidator::AisValidator(int maxLength, QObject* parent)
    : QValidator(parent)
    , maxLength(maxLength)
{
}

QValidator::State AisValidator::validate(QString& text, int&) const
{
    State result = text.size() > maxLength ? Invalid : Acceptable;
    for (const QChar c : text) {
        if (SettingRules::IsAisCharacter(c))
            continue;
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            if (result != Invalid)
                result = Intermediate;
            continue;
        }
        return Invalid;
    }
    return result;
}

void AisValidator::fixup(QString& text) const
{
    text = text.toUpper().left(maxLength);
}
