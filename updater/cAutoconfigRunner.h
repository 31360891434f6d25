#pragma once

#include "UpdateTiming.h"
#include "cByteLink.h"
#include "cStoppableThread.h"

#include <QList>
#include <QString>

// Sends the commands of an "autoconfig" file, one per non-empty line, to the
// freshly updated device, at the rate it normally talks at. A missing file is
// no error: there is nothing to do.
class cAutoconfigRunner : public cStoppableThread {
public:
    // Commands from the file run in this security domain.
    static constexpr int Domain = 3;
    // A longer answer line is read as two.
    static constexpr int MaxLineLength = 79;
    // For a device whose rate is not known, as one recovered from its boot
    // loader: the rates a connection tests are tried in its order until the
    // device answers a command.
    static constexpr qint32 UnknownRate = 0;

    cAutoconfigRunner(const QString& filePath, cLinkFactory linkFactory, qint32 baudRate,
        const cUpdateTiming& timing, QObject* parent = nullptr);
    ~cAutoconfigRunner() override;

    // Runs one command on its own opening of the port: its answer read as a
    // decimal number, 0 when there is none or the port cannot be opened.
    static int runCommand(
        cByteLink& link, qint32 baudRate, const QString& text, int domain, const cUpdateTiming& timing);

protected:
    void run() override;

private:
    // Whether the device answered; *answer is the answer's text.
    static bool send(cByteLink& link, qint32 baudRate, const QString& text, int domain,
        const cUpdateTiming& timing, QString* answer);
    static bool readAnswer(cByteLink& link, const cUpdateTiming& timing, QString* answer);
    // The command at each rate until one is answered: then only that rate.
    QList<qint32> runAtEachRate(cByteLink& link, const QList<qint32>& rates, const QString& command) const;

    const QString filePath;
    const cLinkFactory linkFactory;
    const qint32 baudRate;
    const cUpdateTiming timing;
};
