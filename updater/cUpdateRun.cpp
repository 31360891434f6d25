#include "cUpdateRun.h"

#include "cAutoconfigRunner.h"
#include "cBootLoaderEntry.h"
#include "cSerialLink.h"
#include "cXmodem1KSend.h"

#include <QDir>
#include <QFileInfo>

cUpdateRun::cUpdateRun(const QString& portName, const QString& imagePath, qint32 normalBaudRate,
    const cUpdateTiming& timing, QObject* parent)
    : QObject(parent)
    , portName(portName)
    , imagePath(imagePath)
    , normalBaudRate(normalBaudRate)
    , timing(timing)
    , entry(std::make_unique<cBootLoaderEntry>(cSerialLink::factory(portName), normalBaudRate, timing))
    , sender(std::make_unique<cXmodem1KSend>(imagePath, cSerialLink::factory(portName)))
{
    stepTimer.setSingleShot(true);
    connect(entry.get(), &QThread::finished, this, &cUpdateRun::onAttemptFinished);
}

cUpdateRun::~cUpdateRun() = default;

void cUpdateRun::recover()
{
    entry->skipReset();
    normalBaudRate = cAutoconfigRunner::UnknownRate;
}

void cUpdateRun::start()
{
    log("Process Starting");
    after(timing.configure, &cUpdateRun::attempt);
}

void cUpdateRun::after(int ms, void (cUpdateRun::*step)())
{
    stepTimer.disconnect();
    connect(&stepTimer, &QTimer::timeout, this, step);
    stepTimer.start(ms);
}

void cUpdateRun::attempt()
{
    log("Connecting");
    entry->wait();
    entry->start();
}

void cUpdateRun::onAttemptFinished()
{
    if (entry->connected()) {
        log("Connecting - connected");
        sender->startTransfer(attempts.ackTimeout() * timing.ackPercent / 100);
        log("Updating");
        after(timing.poll, &cUpdateRun::poll);
    } else if (attempts.another()) {
        log("Connecting - retry");
        after(timing.restart, &cUpdateRun::attempt);
    } else {
        end(Outcome::NotConnected, "Connecting - failed");
    }
}

void cUpdateRun::poll()
{
    // The result first: once it is final, so is the progress.
    const int result = sender->result();
    const int percent = sender->progress();
    if (percent > lastProgress) {
        lastProgress = percent;
        emit progress(percent);
    }
    if (result == cXmodem1KSend::Running) {
        after(timing.poll, &cUpdateRun::poll);
    } else if (result == cXmodem1KSend::Cancelled && percent == 0) {
        if (attempts.anotherTransfer()) {
            log("Updating - retry");
            after(timing.restart, &cUpdateRun::attempt);
        } else {
            end(Outcome::NotInitiated, "Updating - failed; update not started");
        }
    } else {
        onTransferEnded(result);
    }
}

void cUpdateRun::onTransferEnded(int result)
{
    switch (result) {
    case cXmodem1KSend::PortError:
        end(Outcome::PortError, "Updating - xmodem port error");
        break;
    case cXmodem1KSend::FileError:
        end(Outcome::FileError, "Updating - xmodem file error");
        break;
    case cXmodem1KSend::Cancelled:
        end(Outcome::Cut, "Updating - timeout");
        break;
    default:
        autoconfig = std::make_unique<cAutoconfigRunner>(
            QFileInfo(imagePath).absolutePath() + QDir::separator() + QStringLiteral("autoconfig"),
            cSerialLink::factory(portName), normalBaudRate, timing);
        connect(autoconfig.get(), &QThread::finished, this,
            [this] { end(Outcome::Complete, "Updating - complete"); });
        autoconfig->start();
        break;
    }
}

void cUpdateRun::end(Outcome outcome, const char* logLine)
{
    log(logLine);
    emit finished(outcome);
}

void cUpdateRun::log(const char* message)
{
    updateLog.write(portName + QStringLiteral(": ") + QLatin1String(message));
}
