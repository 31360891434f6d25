#pragma once

// The firmware updater's wizard against a simulated Identifier in this
// process, with timings short enough for tests.

#include "Flashwell.h"
#include "sim/SimTestSupport.h"
#include "SimulatedIdentifier.h"

#include <QFile>

#include <memory>

inline const QString NewVersion = QStringLiteral("050200.03.00.00");

inline cUpdateTiming quickTiming()
{
    cUpdateTiming timing;
    timing.configure = 10;
    timing.settle = 50;
    timing.listen = 1500;
    timing.restart = 50;
    timing.autoconfigPause = 100;
    timing.commandAnswer = 1000;
    return timing;
}


// The log's messages without their time stamps.
inline QStringList messages(const QString& logText)
{
    QStringList result;
    for (const QString& line : logText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        result << line.section(QStringLiteral(" : "), 1);
    }
    return result;
}

// An image of about `blocks` kilobytes that names NewVersion.
inline QString writeImage(const QString& path, int blocks)
{
    QByteArray image = "FIRMWARE " + NewVersion.toLatin1() + '\n';
    while (image.size() < blocks * 1024 - 100) {
        image += QByteArray::number(image.size(), 16);
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(image) == image.size() ? path : QString();
}

// A simulated Identifier and a wizard started on its port.
struct Session {
    Session(const SimConfig& config, const QString& image, const cUpdateTiming& timing,
        BaudType code = BaudType::Baud115200)
        : device(config)
    {
        QString error;
        started = device.start(&error);
        if (started) {
            wizard = std::make_unique<Flashwell>(cUpdateRequest { image, device.portPath(), code }, timing);
            wizard->show();
        }
    }

    SimulatedIdentifier device;
    std::unique_ptr<Flashwell> wizard;
    bool started = false;
};
