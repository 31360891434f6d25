#pragma once

#include "UpdateTiming.h"
#include "cUpdateAttempts.h"
#include "cUpdateLog.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class cAutoconfigRunner;
class cBootLoaderEntry;
class cXmodem1KSend;

// One update of one device without a window, for the command line: the
// wizard's boot-loader entry, XMODEM-1K sender, retry rules and autoconfig
// commands, logged in the same words to the same update log, each line
// naming the port since several devices may be updated at once.
class cUpdateRun : public QObject {
    Q_OBJECT

public:
    enum class Outcome { Complete, NotConnected, NotInitiated, PortError, FileError, Cut };

    // The autoconfig commands are those beside the image, as the wizard
    // finds them beside itself in the images' folder.
    cUpdateRun(const QString& portName, const QString& imagePath, qint32 normalBaudRate,
        const cUpdateTiming& timing = {}, QObject* parent = nullptr);
    ~cUpdateRun() override;

    // For a device found waiting in its boot loader: no reset is sent, the
    // image goes straight to the boot loader, and the rate its application
    // will talk at is not known, so the autoconfig commands find it.
    void recover();
    void start();

signals:
    // Percent of the image acknowledged, each time it grows.
    void progress(int percent);
    void finished(cUpdateRun::Outcome outcome);

private:
    void after(int ms, void (cUpdateRun::*step)());
    void attempt();
    void onAttemptFinished();
    void poll();
    void onTransferEnded(int result);
    void end(Outcome outcome, const char* logLine);
    void log(const char* message);

    const QString portName;
    const QString imagePath;
    qint32 normalBaudRate;
    const cUpdateTiming timing;
    cUpdateAttempts attempts;
    cUpdateLog updateLog;
    int lastProgress = 0;
    QTimer stepTimer;
    // Declared last so that they stop before anything they report to goes.
    std::unique_ptr<cBootLoaderEntry> entry;
    std::unique_ptr<cXmodem1KSend> sender;
    std::unique_ptr<cAutoconfigRunner> autoconfig;
};
