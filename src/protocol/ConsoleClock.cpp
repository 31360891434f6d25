#include "protocol/ConsoleClock.h"

namespace {
const qint64 askInterval = 1000;
}

QTime ConsoleClock::Now()
{
    if (!sinceAsked.isValid() || sinceAsked.elapsed() >= askInterval) {
        asked = QTime::currentTime();
        sinceAsked.start();
        return asked;
    }
    return asked.addMSecs(int(sinceAsked.elapsed()));
}
