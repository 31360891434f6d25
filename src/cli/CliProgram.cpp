#include "cli/CliProgram.h"

#include "cli/CliOutput.h"
#include "cli/DeviceCommand.h"
#include "cli/PoolCommand.h"
#include "cli/ProductionRun.h"
#include "cli/UpdateCommand.h"
#include "link/SerialController.h"
#include "production/InterruptWatch.h"
#include "production/TerminalPassword.h"
#include "protocol/PasswordWait.h"
#include "protocol/cSecurityDomainManager.h"

#include <QCoreApplication>
#include <QJsonObject>
#include <QTextStream>
#include <QTimer>

#include <memory>

namespace {

const int PasswordTries = 3;

QString IdText(const PortRecord& record)
{
    if (!record.hasIds) {
        return QStringLiteral("-");
    }
    return QStringLiteral("%1:%2")
        .arg(record.vendorId, 4, 16, QLatin1Char('0'))
        .arg(record.productId, 4, 16, QLatin1Char('0'));
}

// Both kinds of command start, end and cancel alike.
template <typename Command> int Execute(Command& command)
{
    InterruptWatch interrupts;
    QObject::connect(&interrupts, &InterruptWatch::interrupted, &command, &Command::Cancel);
    QObject::connect(&command, &Command::finished, QCoreApplication::instance(), &QCoreApplication::exit);
    QTimer::singleShot(0, &command, &Command::Start);
    return QCoreApplication::exec();
}

} // namespace

CliProgram::CliProgram(QObject* parent)
    : QObject(parent)
{
}

int CliProgram::Run(const QStringList& arguments)
{
    CliOptions options;
    if (!options.Parse(arguments)) {
        QTextStream(stderr) << CliOutput::ProgramName << ": " << options.ErrorText() << '\n'
                            << tr("Try \"%1 --help\".").arg(QLatin1String(CliOutput::ProgramName)) << '\n';
        return static_cast<int>(CliExit::Usage);
    }
    switch (options.command()) {
    case CliOptions::Command::Help:
        QTextStream(stdout) << options.HelpText();
        return 0;
    case CliOptions::Command::Version:
        QTextStream(stdout) << CliOutput::ProgramName << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    default:
        break;
    }
    CliOutput output(options.json());
    return RunCommand(options, output);
}

int CliProgram::RunCommand(const CliOptions& options, CliOutput& output)
{
    if (options.command() == CliOptions::Command::Ports) {
        return ListPorts(options, output);
    }
    if (options.command() == CliOptions::Command::Pool) {
        return PoolCommand(options, output).Run();
    }
    if (!InstallPasswordSource(options, output)) {
        return static_cast<int>(CliExit::FileError);
    }
    if (options.command() == CliOptions::Command::Program) {
        ProductionRun run(options, output);
        return Execute(run);
    }
    if (options.command() == CliOptions::Command::Update) {
        UpdateCommand update(options, output);
        return Execute(update);
    }
    DeviceCommand command(options, output);
    return Execute(command);
}

int CliProgram::ListPorts(const CliOptions& options, CliOutput& output)
{
    const QList<PortRecord> ports = SerialController::PortRecords();
    for (const PortRecord& record : ports) {
        const bool identifier = SerialController::IsDevicePort(record, options.vendorId(), options.productId());
        QJsonObject fields { { QStringLiteral("port"), record.portName },
            { QStringLiteral("description"), record.description },
            { QStringLiteral("manufacturer"), record.manufacturer }, { QStringLiteral("identifier"), identifier } };
        if (record.hasIds) {
            fields.insert(QStringLiteral("vendorId"), record.vendorId);
            fields.insert(QStringLiteral("productId"), record.productId);
        }
        output.Result(fields,
            QStringLiteral("%1\t%2\t%3%4")
                .arg(record.portName, IdText(record), record.description.isEmpty() ? record.manufacturer : record.description,
                    identifier ? tr("\t(Identifier)") : QString()));
    }
    if (ports.isEmpty()) {
        output.Progress(tr("No serial ports."));
    }
    return 0;
}

// A locked device asks for its password: from the file when one is named,
// else on the terminal, then kept for every device of the run. A refused
// password is asked again, three times in all.
bool CliProgram::InstallPasswordSource(const CliOptions& options, CliOutput& output)
{
    auto password = std::make_shared<QString>();
    if (!options.passwordFile().isEmpty()) {
        QString error;
        if (!TerminalPassword::FromFile(options.passwordFile(), password.get(), &error)) {
            output.Failure(CliExit::FileError, error);
            return false;
        }
        cSecurityDomainManager::setDefaultPasswordSource([password] { return *password; });
        return true;
    }
    auto tries = std::make_shared<int>(0);
    auto typed = std::make_shared<bool>(false);
    cSecurityDomainManager::setDefaultPasswordSource(
        [password, tries, typed] {
            if (!*typed && *tries < PasswordTries) {
                ++*tries;
                *typed = TerminalPassword::Ask(tr("Password of the Identifier: "), password.get());
                if (!*typed) {
                    *tries = PasswordTries;
                    QTextStream(stderr)
                        << CliOutput::ProgramName << ": "
                        << tr("The Identifier is locked; give its password with --password-file FILE.")
                        << '\n';
                }
                PasswordWait::Instance().End();
            }
            return *password;
        });
    // Several devices may have been sent the refused password: it is asked
    // again once, and the others take the new one.
    cSecurityDomainManager::setRefusalHandler([password, tries, typed](quint32 refusedHash) {
        if (*typed && cSecurityDomainManager::hashPassword(*password) == refusedHash) {
            *typed = false;
            QTextStream(stderr) << CliOutput::ProgramName << ": "
                                << tr("The Identifier refused the password.") << '\n';
        }
        return *typed || *tries < PasswordTries;
    });
    return true;
}
