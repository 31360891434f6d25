// identifier-sim: a simulated Identifier on a pseudo-terminal, for the demo,
// for end-to-end tests and for trying the programs without a device.

#include "DeviceSettings.h"
#include "SimConfig.h"
#include "SimulatedIdentifier.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(const QString& message)
{
    err() << "identifier-sim: " << message << Qt::endl;
    return 1;
}

// SIGINT, SIGTERM and SIGHUP end the event loop, so that the link is removed
// and the state saved on the way out.
void quitOnSignals(QCoreApplication* app)
{
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    for (const int number : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&stopSignals, number);
    sigprocmask(SIG_BLOCK, &stopSignals, nullptr);
    const int descriptor = signalfd(-1, &stopSignals, SFD_CLOEXEC);
    auto* notifier = new QSocketNotifier(descriptor, QSocketNotifier::Read, app);
    QObject::connect(notifier, &QSocketNotifier::activated, app, &QCoreApplication::quit);
}

bool makeLink(const QString& target, const QString& link, QString* error)
{
    const QFileInfo existing(link);
    if (existing.isSymLink())
        QFile::remove(link);
    else if (existing.exists()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link").arg(link);
        return false;
    }
    if (!QFile::link(target, link)) {
        *error = QStringLiteral("cannot make the link %1").arg(link);
        return false;
    }
    return true;
}

QString helpText(const QCommandLineParser& parser)
{
    return parser.helpText()
        + QStringLiteral("\nThe program prints the path of its port, then runs until it is stopped\n"
                         "(Ctrl-C, SIGTERM). Settings survive a simulated reset; with --state\n"
                         "they also survive the program.\n\n"
                         "Configuration file: a JSON object; a dotted key may also be written as\n"
                         "nested objects ({\"faults\": {\"nakFirstEot\": true}}). Defaults in brackets.\n")
        + SimConfig::help()
        + QStringLiteral("\nDevice settings (the \"settings\" object; also what --state saves):\n")
        + DeviceSettings::help();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("identifier-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VELMORA_SIM_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A simulated Identifier on a pseudo-terminal."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help, every configuration key included."));
    const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version."));
    const QCommandLineOption link(QStringLiteral("link"), QStringLiteral("Also make PATH a symbolic link to the port (removed at exit)."), QStringLiteral("PATH"));
    const QCommandLineOption config(QStringLiteral("config"), QStringLiteral("Read the device's configuration from FILE.json."), QStringLiteral("FILE.json"));
    const QCommandLineOption state(QStringLiteral("state"), QStringLiteral("Keep the device's memory (settings, firmware version, voyage log) in FILE.json."), QStringLiteral("FILE.json"));
    const QCommandLineOption transcript(QStringLiteral("transcript"), QStringLiteral("Append everything received and sent to FILE."), QStringLiteral("FILE"));
    parser.addOptions({help, version, link, config, state, transcript});
    if (!parser.parse(app.arguments()))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        out() << helpText(parser);
        return 0;
    }
    if (parser.isSet(version)) {
        out() << "identifier-sim " << QCoreApplication::applicationVersion() << Qt::endl;
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument %1 (see --help)").arg(parser.positionalArguments().first()));

    SimConfig settings;
    QString error;
    if (parser.isSet(config) && !SimConfig::fromFile(parser.value(config), &settings, &error))
        return fail(error);
    SimulatedIdentifier device(settings);
    if ((parser.isSet(state) && !device.useStateFile(parser.value(state), &error))
        || (parser.isSet(transcript) && !device.setTranscriptFile(parser.value(transcript), &error))
        || !device.start(&error))
        return fail(error);
    if (parser.isSet(link) && !makeLink(device.portPath(), parser.value(link), &error))
        return fail(error);

    out() << device.portPath() << Qt::endl;
    quitOnSignals(&app);
    const int result = app.exec();
    device.stop();
    if (parser.isSet(link))
        QFile::remove(parser.value(link));
    return result;
}
