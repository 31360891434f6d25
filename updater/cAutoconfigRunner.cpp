#include "cAutoconfigRunner.h"

#include "ShellSentence.h"
#include "app/BaudType.h"

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
    QList<qint32> rates { baudRate };
    if (baudRate == UnknownRate) {
        rates = { BaudTypes::rate(BaudType::Baud115200), BaudTypes::rate(BaudType::Baud38400) };
    }
    while (!file.atEnd() && !stopping()) {
        const QString command = withoutLineEnd(file.readLine());
        if (!command.isEmpty()) {
            rates = runAtEachRate(*link, rates, command);
        }
    }
    pause(timing.autoconfigPause);
}

QList<qint32> cAutoconfigRunner::runAtEachRate(
    cByteLink& link, const QList<qint32>& rates, const QString& command) const
{
    QString answer;
    for (const qint32 rate : rates) {
        if (send(link, rate, command, Domain, timing, &answer)) {
            return { rate };
        }
    }
    return rates;
}

int cAutoconfigRunner::runCommand(
    cByteLink& link, qint32 baudRate, const QString& text, int domain, const cUpdateTiming& timing)
{
    QString answer;
    send(link, baudRate, text, domain, timing, &answer);
    return answer.toInt();
}

bool cAutoconfigRunner::send(cByteLink& link, qint32 baudRate, const QString& text, int domain,
    const cUpdateTiming& timing, QString* answer)
{
    if (!link.open(baudRate, QIODevice::ReadWrite)) {
        return false;
    }
    link.sendEachByte(ShellSentence::command(text, domain), QDeadlineTimer(timing.commandSend));
    const bool answered = readAnswer(link, timing, answer);
    link.close();
    return answered;
}

bool cAutoconfigRunner::readAnswer(cByteLink& link, const cUpdateTiming& timing, QString* answer)
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
            *answer = fields.value(4);
            return true;
        }
        if (status == AnswerWithoutText) {
            return true;
        }
    }
    return false;
}
