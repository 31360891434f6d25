#include "cBootLoaderEntry.h"

#include "ShellSentence.h"
#include "cXmodem1KSend.h"

namespace {

constexpr int CrcRequest = 'C';
// How soon a request to stop is noticed while listening.
constexpr int StopCheckMs = 100;
// A waiting boot loader is told by this many requests in a row.
constexpr int WaitingRequests = 2;

} // namespace

cBootLoaderEntry::cBootLoaderEntry(
    cLinkFactory linkFactory, qint32 normalBaudRate, const cUpdateTiming& timing, QObject* parent)
    : cStoppableThread(parent)
    , linkFactory(std::move(linkFactory))
    , normalBaudRate(normalBaudRate)
    , timing(timing)
{
}

cBootLoaderEntry::~cBootLoaderEntry()
{
    stopAndWait();
}

QByteArray cBootLoaderEntry::resetSentence()
{
    static const QByteArray sentence = ShellSentence::command(QStringLiteral("reset"), 0);
    return sentence;
}

void cBootLoaderEntry::run()
{
    heard = false;
    if (!pause(timing.settle)) {
        return;
    }
    const std::unique_ptr<cByteLink> link = linkFactory();
    // A port that refuses the reset may still hear a device that is already
    // waiting in its boot loader.
    if (sendsReset && link->open(normalBaudRate, QIODevice::ReadWrite)) {
        sendReset(*link);
        pause(timing.afterReset);
        link->close();
    }
    if (!stopping() && link->open(cXmodem1KSend::BaudRate, QIODevice::ReadOnly)) {
        heard = recognising ? recogniseWaiting(*link) : listen(*link);
        link->close();
    }
}

void cBootLoaderEntry::sendReset(cByteLink& link)
{
    const QDeadlineTimer deadline(timing.commandSend);
    if (link.sendEachByte(QByteArrayLiteral("\n\n"), deadline)) {
        link.sendEachByte(resetSentence(), deadline);
    }
}

bool cBootLoaderEntry::listen(cByteLink& link)
{
    // Other bytes may come first (the rest of a sentence, a banner, noise of
    // the reset); none of them ends the wait for the request early.
    const QDeadlineTimer window(timing.listen);
    while (!window.hasExpired() && !stopping()) {
        const QDeadlineTimer slice(StopCheckMs);
        if (link.readByte(slice.deadline() < window.deadline() ? slice : window) == CrcRequest) {
            return true;
        }
    }
    return false;
}

bool cBootLoaderEntry::recogniseWaiting(cByteLink& link)
{
    const QDeadlineTimer window(timing.recognise);
    int requests = 0;
    while (!window.hasExpired() && !stopping()) {
        const QDeadlineTimer slice(StopCheckMs);
        const int byte = link.readByte(slice.deadline() < window.deadline() ? slice : window);
        if (byte == CrcRequest && ++requests == WaitingRequests) {
            return true;
        }
        if (byte >= 0 && byte != CrcRequest) {
            return false;
        }
    }
    return false;
}
