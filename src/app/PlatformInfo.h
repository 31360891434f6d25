#pragma once

#include <QProcessEnvironment>
#include <QString>

// The few facts about the machine and the operating system that the program
// needs. Everything that differs between platforms is answered here, so the
// rest of the code depends on none of them.
class PlatformInfo {
public:
    // The logged-in user: "USERNAME" where it is set (Windows), else "USER".
    static QString UserName(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // The machine: "COMPUTERNAME" where it is set (Windows), else the host name.
    static QString ComputerName(
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
    // What the platform appends to the name of a program file (".exe" or nothing).
    static QString ExecutableSuffix();
    // The file name of the firmware updater program.
    static QString UpdaterFileName();
};
