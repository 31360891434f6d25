#include "cli/CliOptions.h"

#include "model/SettingRules.h"

#include <QFileInfo>

#include <algorithm>
#include <iterator>

namespace {

struct CommandWord {
    const char* word;
    CliOptions::Command command;
};

const CommandWord commandWords[] = {
    { "ports", CliOptions::Command::Ports },
    { "info", CliOptions::Command::Info },
    { "read", CliOptions::Command::Read },
    { "write", CliOptions::Command::Write },
    { "voyage", CliOptions::Command::Voyage },
    { "monitor", CliOptions::Command::Monitor },
    { "program", CliOptions::Command::Program },
    { "update", CliOptions::Command::Update },
    { "pool", CliOptions::Command::Pool },
};

struct PoolWord {
    const char* word;
    CliOptions::PoolAction action;
};

const PoolWord poolWords[] = {
    { "init", CliOptions::PoolAction::Init },
    { "import", CliOptions::PoolAction::Import },
    { "status", CliOptions::PoolAction::Status },
    { "release", CliOptions::PoolAction::Release },
};

int ReadId(const QString& text, bool* ok)
{
    const int id = text.toInt(ok, 0);
    *ok = *ok && id >= 0 && id <= 0xFFFF;
    return id;
}

} // namespace

CliOptions::CliOptions()
    : m_help(QStringList { QStringLiteral("h"), QStringLiteral("help") }, tr("Shows this help."))
    , m_version(QStringLiteral("version"), tr("Shows the version."))
    , m_port(QStringLiteral("port"),
          tr("The Identifier's serial port. \"program\" and \"update\" take it more than once, one per "
             "device. Without it, the port is found by its USB ids."),
          tr("PATH"))
    , m_json(QStringLiteral("json"), tr("One JSON object per result on standard output."))
    , m_passwordFile(QStringLiteral("password-file"),
          tr("The device password of a locked Identifier, on the file's first line. Without it, the "
             "password is asked on the terminal. For \"pool\": the database password instead of the "
             "password file (~/.pgpass)."),
          tr("FILE"))
    , m_timeout(QStringLiteral("timeout"),
          tr("How long to wait for the Identifier to answer (default 20)."), tr("SECONDS"))
    , m_listen(QStringLiteral("seconds"), tr("monitor: how long to listen; without it, until Ctrl-C."),
          tr("SECONDS"))
    , m_vendor(QStringLiteral("vendor-id"), tr("USB vendor id to look for (decimal or 0x...)."), tr("ID"))
    , m_product(QStringLiteral("product-id"), tr("USB product id to look for (decimal or 0x...)."), tr("ID"))
    , m_output(QStringList { QStringLiteral("o"), QStringLiteral("output") },
          tr("The file to write: a profile (read) or the voyage log, .csv or .kml (voyage)."), tr("FILE"))
    , m_profile(QStringLiteral("profile"), tr("The profile file whose settings are written."), tr("FILE"))
    , m_mmsi(QStringLiteral("mmsi"),
          tr("write: the MMSI to give the device; pool release: the MMSI to free."), tr("MMSI"))
    , m_name(QStringLiteral("name"), tr("write: the vessel name, instead of the profile's."), tr("TEXT"))
    , m_callSign(
          QStringLiteral("call-sign"), tr("write: the call sign, instead of the profile's."), tr("TEXT"))
    , m_clear(QStringLiteral("clear"), tr("voyage: clear the device's log once the export is written."))
    , m_mmsiList(QStringLiteral("mmsi-list"),
          tr("program: the CSV list of MMSIs (optionally with vessel name and call sign) to give out."),
          tr("FILE"))
    , m_update(QStringLiteral("update"),
          tr("program: update an outdated device's firmware first instead of skipping it."))
    , m_image(QStringLiteral("image"),
          tr("update: the firmware image to send, instead of the newest of the device's family; needed "
             "for a device waiting in its boot loader."),
          tr("FILE"))
    , m_force(
          QStringLiteral("force"), tr("update: send an image that is not newer than the device's firmware."))
    , m_certificate(QStringLiteral("certificate"),
          tr("write, program: a PDF certificate for the owner of each device verified, into this folder."),
          tr("DIR"))
    , m_pool(QStringLiteral("pool"),
          tr("pool, program: the MMSI pool's PostgreSQL URI (postgresql://user@host:port/database, "
             "?host=/folder for a Unix socket), instead of --mmsi-list."),
          tr("URL"))
    , m_station(QStringLiteral("station"), tr("program --pool: this station's name in the pool."), tr("NAME"))
    , m_reason(
          QStringLiteral("reason"), tr("pool release: why the MMSI is freed, kept in the pool."), tr("TEXT"))
{
    m_parser.setApplicationDescription(tr("Reads, writes and programs Identifiers without a window.\n\n"
                                          "Commands:\n"
                                          "  ports     every serial port, the Identifier's marked\n"
                                          "  info      firmware version, serial number, MMSI, generation\n"
                                          "  read      every setting into a profile file (-o FILE)\n"
                                          "  write     a profile's settings, read back and verified\n"
                                          "  voyage    the voyage log into a CSV or KML file (-o FILE)\n"
                                          "  monitor   the device's own AIS broadcasts, decoded\n"
                                          "  program   production: every device plugged in gets the next "
                                          "MMSI of the list or of the pool\n"
                                          "  update    the firmware of each device (--port, once per device)\n"
                                          "  pool init      creates or upgrades the pool's tables\n"
                                          "  pool import    LIST.csv: adds the list's MMSIs to the pool\n"
                                          "  pool status    counts per state, every reserved MMSI\n"
                                          "  pool release   frees a reserved MMSI (--mmsi N --reason TEXT)\n"
                                          "  (every pool command needs --pool URL)"));
    m_parser.addPositionalArgument(
        QStringLiteral("command"), tr("ports, info, read, write, voyage, monitor, program, update or pool"));
    m_parser.addOptions({ m_help, m_version, m_port, m_json, m_passwordFile, m_timeout, m_listen, m_vendor,
        m_product, m_output, m_profile, m_mmsi, m_name, m_callSign, m_clear, m_mmsiList, m_update, m_image,
        m_force, m_certificate, m_pool, m_station, m_reason });
}

bool CliOptions::Parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments)) {
        return Refuse(m_parser.errorText());
    }
    if (m_parser.isSet(m_help)) {
        m_command = Command::Help;
        return true;
    }
    if (m_parser.isSet(m_version)) {
        m_command = Command::Version;
        return true;
    }
    return ReadCommand() && ReadNumbers() && CheckRequired() && CheckBelongs() && CheckVesselTexts();
}

QString CliOptions::HelpText() const
{
    return m_parser.helpText().replace(
               QStringLiteral("[options] command"), QStringLiteral("command [options]"))
        + tr("\nExit codes:\n"
             "  0  done (and, for a write, verified by reading back; monitor: listened to the\n"
             "     end, or stopped with Ctrl-C)\n"
             "  1  the command line is wrong\n"
             "  2  no Identifier found\n"
             "  3  communication with the Identifier failed\n"
             "  4  the device does not hold what was written (program: or holds an MMSI the\n"
             "     list cannot give it, or an MMSI is left reserved for an unverified write)\n"
             "  5  a file could not be read or written\n"
             "  6  cancelled (Ctrl-C)\n"
             "  7  the MMSI pool's server could not be used, or refused the change\n"
             "  8  update: the image does not suit the device (another family, not newer\n"
             "     without --force, empty or unreadable); the device was left running\n");
}

bool CliOptions::ReadCommand()
{
    const QStringList words = m_parser.positionalArguments();
    if (words.isEmpty()) {
        return Refuse(tr("No command given."));
    }
    if (words.first() == QLatin1String("pool")) {
        m_command = Command::Pool;
        return ReadPoolAction(words);
    }
    if (words.size() > 1) {
        return Refuse(tr("Unexpected argument \"%1\".").arg(words.at(1)));
    }
    for (const CommandWord& known : commandWords) {
        if (words.first() == QLatin1String(known.word)) {
            m_command = known.command;
            return true;
        }
    }
    return Refuse(tr("Unknown command \"%1\".").arg(words.first()));
}

// pool ACTION, and for import the list file.
bool CliOptions::ReadPoolAction(const QStringList& words)
{
    if (words.size() < 2) {
        return Refuse(tr("\"pool\" needs init, import, status or release."));
    }
    const auto known = std::find_if(std::begin(poolWords), std::end(poolWords),
        [&words](const PoolWord& word) { return words.at(1) == QLatin1String(word.word); });
    if (known == std::end(poolWords)) {
        return Refuse(tr("Unknown pool command \"%1\".").arg(words.at(1)));
    }
    m_poolAction = known->action;
    const int count = m_poolAction == PoolAction::Import ? 3 : 2;
    if (words.size() < count) {
        return Refuse(tr("\"pool import\" needs the list file: pool import --pool URL LIST.csv"));
    }
    if (words.size() > count) {
        return Refuse(tr("Unexpected argument \"%1\".").arg(words.at(count)));
    }
    m_poolList = m_poolAction == PoolAction::Import ? words.at(2) : QString();
    return true;
}

bool CliOptions::ReadNumbers()
{
    bool ok = true;
    if (m_parser.isSet(m_timeout)) {
        m_timeoutSeconds = m_parser.value(m_timeout).toInt(&ok);
        if (!ok || m_timeoutSeconds < 1 || m_timeoutSeconds > 3600) {
            return Refuse(tr("--timeout takes a number of seconds from 1 to 3600."));
        }
    }
    if (m_parser.isSet(m_listen)) {
        m_seconds = m_parser.value(m_listen).toInt(&ok);
        if (!ok || m_seconds < 1 || m_seconds > 86400) {
            return Refuse(tr("--seconds takes a number of seconds from 1 to 86400."));
        }
    }
    if (m_parser.isSet(m_vendor) && (m_vendorId = ReadId(m_parser.value(m_vendor), &ok), !ok)) {
        return Refuse(tr("--vendor-id takes a USB id from 0 to 65535."));
    }
    if (m_parser.isSet(m_product) && (m_productId = ReadId(m_parser.value(m_product), &ok), !ok)) {
        return Refuse(tr("--product-id takes a USB id from 0 to 65535."));
    }
    return true;
}

bool CliOptions::CheckRequired()
{
    const bool needsOutput = m_command == Command::Read || m_command == Command::Voyage;
    if (needsOutput && output().isEmpty()) {
        return Refuse(tr("This command needs -o FILE."));
    }
    const bool voyageFile = output().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)
        || output().endsWith(QLatin1String(".kml"), Qt::CaseInsensitive);
    if (m_command == Command::Voyage && !voyageFile) {
        return Refuse(tr("The voyage log is written as .csv or .kml: name the file so."));
    }
    if ((m_command == Command::Write || m_command == Command::Program) && profile().isEmpty()) {
        return Refuse(tr("This command needs --profile FILE."));
    }
    if (m_command == Command::Program && mmsiList().isEmpty() == pool().isEmpty()) {
        return Refuse(tr("\"program\" needs either --mmsi-list FILE or --pool URL."));
    }
    if (m_command == Command::Program && !pool().isEmpty() && station().trimmed().isEmpty()) {
        return Refuse(tr("\"program --pool\" needs --station NAME."));
    }
    if (m_command == Command::Pool && pool().isEmpty()) {
        return Refuse(tr("\"pool\" needs --pool URL."));
    }
    const bool release = m_command == Command::Pool && m_poolAction == PoolAction::Release;
    if (release && (mmsi().isEmpty() || reason().trimmed().isEmpty())) {
        return Refuse(tr("\"pool release\" needs --mmsi N and --reason TEXT."));
    }
    const bool writes = m_command == Command::Write || m_command == Command::Program;
    if (!certificateFolder().isEmpty() && !writes) {
        return Refuse(tr("Only \"write\" and \"program\" make certificates."));
    }
    if (m_command != Command::Program && m_command != Command::Update && ports().size() > 1) {
        return Refuse(tr("Only \"program\" and \"update\" take more than one --port."));
    }
    return true;
}

// An option the command does not use would be ignored without a word: "info
// --clear" must not look as if it cleared anything.
bool CliOptions::CheckBelongs()
{
    QList<const QCommandLineOption*> used { &m_json, &m_passwordFile, &m_timeout };
    const QList<const QCommandLineOption*> device { &m_port, &m_vendor, &m_product };
    switch (m_command) {
    case Command::Read:
        used << device << &m_output;
        break;
    case Command::Voyage:
        used << device << &m_output << &m_clear;
        break;
    case Command::Monitor:
        used << device << &m_listen;
        break;
    case Command::Write:
        used << device << &m_profile << &m_mmsi << &m_name << &m_callSign << &m_certificate;
        break;
    case Command::Program:
        used << device << &m_profile << &m_mmsiList << &m_pool << &m_station << &m_update << &m_certificate;
        break;
    case Command::Update:
        used << device << &m_image << &m_force;
        break;
    case Command::Pool:
        used << &m_pool << &m_mmsi << &m_reason;
        break;
    default:
        used << device;
        break;
    }
    for (const QString& name : m_parser.optionNames()) {
        const bool belongs = std::any_of(used.cbegin(), used.cend(),
            [&name](const QCommandLineOption* option) { return option->names().contains(name); });
        if (!belongs) {
            const QString dashes = name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return Refuse(
                tr("\"%1\" does not take %2.").arg(m_parser.positionalArguments().value(0), dashes + name));
        }
    }
    return true;
}

// Vessel texts have no lower case on the air, so they are taken as capitals,
// as the pages do.
bool CliOptions::CheckVesselTexts()
{
    const QString mmsiProblem = mmsi().isEmpty() ? QString() : SettingRules::MmsiProblem(mmsi());
    if (!mmsiProblem.isEmpty()) {
        return Refuse(QStringLiteral("--mmsi: ") + mmsiProblem);
    }
    const QString nameProblem = SettingRules::AisTextProblem(name(), SettingRules::VesselNameLength);
    if (!nameProblem.isEmpty()) {
        return Refuse(QStringLiteral("--name: ") + nameProblem);
    }
    const QString callSignProblem = SettingRules::AisTextProblem(callSign(), SettingRules::CallSignLength);
    return callSignProblem.isEmpty() || Refuse(QStringLiteral("--call-sign: ") + callSignProblem);
}

bool CliOptions::Refuse(const QString& error)
{
    m_error = error;
    return false;
}

// A port named by a path, or a file in the working folder (a simulator's
// link, say), is the working folder's; a bare name such as ttyUSB0 is left
// to the system.
QStringList CliOptions::ports() const
{
    QStringList ports;
    for (const QString& port : m_parser.values(m_port)) {
        const QFileInfo file(port);
        const bool local = file.isRelative() && (port.contains(QLatin1Char('/')) || file.exists());
        ports << (local ? file.absoluteFilePath() : port);
    }
    return ports;
}

bool CliOptions::json() const
{
    return m_parser.isSet(m_json);
}

QString CliOptions::passwordFile() const
{
    return m_parser.value(m_passwordFile);
}

QString CliOptions::output() const
{
    return m_parser.value(m_output);
}

QString CliOptions::profile() const
{
    return m_parser.value(m_profile);
}

QString CliOptions::mmsiList() const
{
    return m_parser.value(m_mmsiList);
}

QString CliOptions::pool() const
{
    return m_parser.value(m_pool);
}

QString CliOptions::station() const
{
    return m_parser.value(m_station);
}

QString CliOptions::reason() const
{
    return m_parser.value(m_reason);
}

bool CliOptions::clear() const
{
    return m_parser.isSet(m_clear);
}

bool CliOptions::update() const
{
    return m_parser.isSet(m_update);
}

QString CliOptions::image() const
{
    return m_parser.value(m_image);
}

bool CliOptions::force() const
{
    return m_parser.isSet(m_force);
}

QString CliOptions::mmsi() const
{
    return m_parser.value(m_mmsi);
}

bool CliOptions::hasName() const
{
    return m_parser.isSet(m_name);
}

QString CliOptions::name() const
{
    return m_parser.value(m_name).toUpper();
}

bool CliOptions::hasCallSign() const
{
    return m_parser.isSet(m_callSign);
}

QString CliOptions::callSign() const
{
    return m_parser.value(m_callSign).toUpper();
}

QString CliOptions::certificateFolder() const
{
    return m_parser.value(m_certificate);
}
