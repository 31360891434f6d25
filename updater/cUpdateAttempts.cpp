#include "cUpdateAttempts.h"

namespace {

constexpr int MaxAckTimeout = 5000;
constexpr int AckTimeoutStep = 500;
constexpr int WrappedAckTimeout = 1000;

} // namespace

bool cUpdateAttempts::another()
{
    return --left > 0;
}

bool cUpdateAttempts::anotherTransfer()
{
    if (!another()) {
        return false;
    }
    timeout += AckTimeoutStep;
    if (timeout > MaxAckTimeout) {
        timeout = WrappedAckTimeout;
    }
    return true;
}
