#include "FuzzSupport.h"

#include "ShellSentence.h"
#include "cAutoconfigRunner.h"

namespace {

// The device's side of the port: it takes every command and answers with the
// fuzzer's bytes, then stays silent.
class ScriptedLink : public cByteLink {
public:
    explicit ScriptedLink(const QByteArray& answer)
        : answer(answer)
    {
    }

    bool open(qint32, QIODevice::OpenMode) override { return true; }
    void close() override { }
    bool send(const QByteArray&, QDeadlineTimer) override { return true; }
    int readByte(QDeadlineTimer) override
    {
        return next < answer.size() ? static_cast<unsigned char>(answer.at(next++)) : -1;
    }
    void discardInput() override { }

private:
    const QByteArray answer;
    int next = 0;
};

} // namespace

// Whatever the device answers to an autoconfig command: the scanner alone
// over the whole text, then the command's reading of its answer line by line.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray answer = inputBytes(data, size);
    const QStringList fields = ShellSentence::fields(answer);
    require(fields.isEmpty() || fields.join(QLatin1Char(',')).size() < ShellSentence::MaxAnswerLength);
    ScriptedLink link(answer);
    cAutoconfigRunner::runCommand(
        link, 115200, QStringLiteral("setled 1"), cAutoconfigRunner::Domain, cUpdateTiming());
    return 0;
}
