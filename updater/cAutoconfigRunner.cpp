#include "cAutoconfigRunner.h"

#include "ShellSentence.h"

#include <QFile>

namespace {

// Status numbers in field 1 of the device's answers.
constexpr int AnswerWithText = 255;
constexpr int AnswerWithoutText = 256;

QString withoutLineEnd(const QByteArray& line)
{
    QByteArray text = line;
    while (text.endsWith('\n') || text.endsWith('\r')) {
        text.chop(1);
    }
    return QString::fromUtf8(text);
}

} // namespace

cAutoconfigRunner::cAutoconfigRunner(const QString& filePath, cLinkFactory linkFactory, qint32 baudRate,
    const cUpdateTiming& timing, QObject* parent)
    : cStoppableThread(parent)
    , filePath(filePath)
    , linkFactory(std::move(linkFactory))
    , baudRate(baudRate)
    , timing(timing)
{
}

cAutoconfigRunner::~cAutoconfigRunner()
{
    stopAndWait();
}

void cAutoconfigRunner::run()
{
    QFile file(filePath);
    if (!file.exists() || !file.open(QIODevice::ReadOnly) || !pause(timing.autoconfigPause)) {
        return;
    }
    const std::unique_ptr<cByteLink> link = linkFactory();
    while (!file.atEnd() && !stopping()) {
        const QString command = withoutLineEnd(file.readLine());
        if (!command.isEmpty()) {
            runCommand(*link, baudRate, command, Domain, timing);
        }
    }
    pause(timing.autoconfigPause);
}

int cAutoconfigRunner::runCommand(
    cByteLink& link, qint32 baudRate, const QString& text, int domain, const cUpdateTiming& timing)
{
    if (!link.open(baudRate, QIODevice::ReadWrite)) {
        return 0;
    }
    link.sendEachByte(ShellSentence::command(text, domain), QDeadlineTimer(timing.commandSend));
    const QString answer = readAnswer(link, timing);
    link.close();
    return answer.toInt();
}

QString cAutoconfigRunner::readAnswer(cByteLink& link, const cUpdateTiming& timing)
{
    const QDeadlineTimer deadline(timing.commandAnswer);
    for (QByteArray line = link.readLine(MaxLineLength, deadline); !line.isEmpty();
         line = link.readLine(MaxLineLength, deadline)) {
        const QStringList fields = ShellSentence::fields(line);
        if (fields.value(0) != QLatin1String("PKRX")) {
            continue;
        }
        const int status = fields.value(1).toInt();
        if (status == AnswerWithText) {
            return fields.value(4);
        }
        if (status == AnswerWithoutText) {
            return {};
        }
    }
    return {};
}
