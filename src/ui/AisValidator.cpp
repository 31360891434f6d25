#include "ui/AisValidator.h"

AisValidator::AisValidator(int maxLength, QObject* parent)
    : QValidator(parent)
    , maxLength(maxLength)
{
}

QValidator::State AisValidator::validate(QString& text, int&) const
{
    State result = text.size() > maxLength ? Invalid : Acceptable;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code >= ' ' && code <= '_')
            continue;
        if (code >= 'a' && code <= 'z') {
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
