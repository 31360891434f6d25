#pragma once

// The updater's waits, in milliseconds. The defaults are the program's; tests
// shorten them so that retries and time-outs need not cost real seconds.
struct cUpdateTiming {
    // From setting up the port to the first connection attempt.
    int configure = 100;
    // At the start of each connection attempt, before the reset is sent.
    int settle = 1000;
    // The port stays open this long after the reset: closing it may drop
    // bytes that have not reached the device yet.
    int afterReset = 100;
    // For the boot loader's first "C" after the reset. The boot loader repeats
    // its request every 3 s, and the port hears nothing for a moment after
    // the reset, so the wait covers the request after next.
    int listen = 5000;
    // For recognising a boot loader left waiting by a cut update: it repeats
    // its request every few seconds, and two are wanted.
    int recognise = 10000;
    // Between a failed attempt and the next one.
    int restart = 1000;
    // Between two looks at a running transfer.
    int poll = 10;
    // Before and after the autoconfig commands.
    int autoconfigPause = 1000;
    // For a command's bytes to leave.
    int commandSend = 1000;
    // For a command's answer.
    int commandAnswer = 2000;
    // The share of ackTimeout, in percent, that the transfer really waits.
    int ackPercent = 100;
};
