#include "app/BaudType.h"

namespace BaudTypes {

int rate(BaudType type)
{
    return type == BaudType::Baud38400 ? 38400 : 115200;
}

bool fromNumber(const QString& text, BaudType* type)
{
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok) {
        return false;
    }
    if (number == toNumber(BaudType::Baud38400)) {
        *type = BaudType::Baud38400;
        return true;
    }
    if (number == toNumber(BaudType::Baud115200)) {
        *type = BaudType::Baud115200;
        return true;
    }
    return false;
}

int toNumber(BaudType type)
{
    return static_cast<int>(type);
}

} // namespace BaudTypes
