#include "protocol/AISSentenceVoyageLogPeriod.h"

#include "model/VoyageLog.h"

AISSentenceVoyageLogPeriod::AISSentenceVoyageLogPeriod(VoyageLog* voyageLog, QObject* parent)
    : AISSentence(voyageLog, parent)
{
    setFormatter(QStringLiteral("VOY"));
    setShellCommand(QStringLiteral("getlogperiod"), ConfigurationDomain);
}

QString AISSentenceVoyageLogPeriod::writeSentence() const
{
    const VoyageLog* voyageLog = object<VoyageLog>();
    const int seconds = voyageLog->logEnabled() ? voyageLog->logPeriod() : 0;
    return shellWriteSentence(QStringLiteral("setlogperiod ") + QString::number(seconds));
}

int AISSentenceVoyageLogPeriod::parseReply(const NmeaSentence& sentence)
{
    VoyageLog* voyageLog = object<VoyageLog>();
    // "Off" keeps the period the user chose, for when the log is switched on.
    return storeShellNumber(sentence, Decoding::Number, [voyageLog](int seconds) {
        voyageLog->setLogEnabled(seconds != 0);
        if (seconds != 0) {
            voyageLog->setLogPeriod(seconds);
        }
    });
}
