#include "cBootLoaderEntry.h"

#include "ShellSentence.h"
#include "cXmodem1KSend.h"

namespace {

constexpr int CrcRequest = 'C';

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
    if (link->open(normalBaudRate, QIODevice::ReadWrite)) {
        sendReset(*link);
        pause(timing.afterReset);
        link->close();
    }
    if (link->open(cXmodem1KSend::BaudRate, QIODevice::ReadOnly)) {
        heard = listen(*link);
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
    // Other bytes may come first (the rest of a sentence, a banner); the
    // search ends at the first pause, and in any case when the window closes,
    // so that a device that keeps talking cannot hold the attempt forever.
    const QDeadlineTimer window(timing.listen);
    int byte = link.readByte(window);
    while (byte >= 0 && byte != CrcRequest && !stopping()) {
        const QDeadlineTimer gap(timing.byteGap);
        byte = link.readByte(gap.deadline() < window.deadline() ? gap : window);
    }
    return byte == CrcRequest;
}
