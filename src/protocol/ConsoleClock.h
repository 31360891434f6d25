#pragma once

#include <QElapsedTimer>
#include <QTime>

// The local time of day for stamping console lines, thousands a second.
// Asking the platform for the local time makes it look at the time zone file
// on some systems, each time; so it is asked once a second and the
// milliseconds between are counted on a monotonic clock.
class ConsoleClock {
public:
    QTime Now();

private:
    QTime asked;
    QElapsedTimer sinceAsked;
};
