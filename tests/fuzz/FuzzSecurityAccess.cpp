#include "FuzzSupport.h"

#include "protocol/NmeaSentence.h"
#include "protocol/cSecurityDomainManager.h"

// The security exchange driven by received lines: each line is read as a SAC
// reply and the manager picks its next job; at the end, whatever it took,
// the sentences it would send are well formed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    cSecurityDomainManager manager([] { return QStringLiteral("Harbour 7"); });
    manager.pollSentence();
    for (const QString& line : deviceLines(data, size)) {
        manager.parseSac(NmeaSentence(line));
        manager.nextJob();
    }
    require(NmeaSentence(manager.requestSentence()).isValid());
    require(NmeaSentence(manager.responseSentence()).isValid());
    return 0;
}
