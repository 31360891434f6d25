#include "protocol/PasswordWait.h"

PasswordWait& PasswordWait::Instance()
{
    static PasswordWait wait;
    return wait;
}
