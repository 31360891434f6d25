#pragma once

#include "app/BaudType.h"

#include <QString>
#include <QStringList>

// What the configuration program asks the updater to do: which image to send
// over which port, and the rate the device normally talks at.
struct cUpdateRequest {
    QString imagePath;
    QString portName;
    BaudType baudCode = BaudType::Baud115200;

    // From the program's arguments, the program name first, then image path,
    // port name and baud code (15 or 19); false for anything else.
    static bool fromArguments(const QStringList& arguments, cUpdateRequest* request);
    // In the language of the installed translations.
    static QString usage(const QString& programName);
};
