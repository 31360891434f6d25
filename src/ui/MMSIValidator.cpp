#include "ui/MMSIValidator.h"

namespace {

const int mmsiDigits = 9;
const qulonglong firstTooLarge = 1000000000;

bool allDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

MMSIValidator::MMSIValidator(QObject* parent)
    : QValidator(parent)
{
}

QValidator::State MMSIValidator::validate(QString& text, int&) const
{
    if (!allDigits(text))
        return Invalid;
    if (!text.isEmpty()) {
        bool ok = false;
        const qulonglong value = text.toULongLong(&ok);
        // A number too long for 64 bits is certainly too large.
        if (!ok || value >= firstTooLarge)
            return Invalid;
    }
    return text.size() == mmsiDigits ? Acceptable : Intermediate;
}

void MMSIValidator::fixup(QString& text) const
{
    text = text.left(mmsiDigits).rightJustified(mmsiDigits, QLatin1Char('0'));
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value == 0 || value >= firstTooLarge)
        text = QString(mmsiDigits, QLatin1Char('0'));
}
