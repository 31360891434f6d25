#include "app/CommandLine.h"

// The help and version options are the program's own, not Qt's, so that
// their descriptions are in every language the program speaks.
CommandLine::CommandLine()
    : helpOption(QStringList { QStringLiteral("h"), QStringLiteral("help") }, tr("Shows this help."))
    , versionOption(QStringList { QStringLiteral("v"), QStringLiteral("version") }, tr("Shows the version."))
    , portOption(QStringLiteral("port"),
          tr("Use PATH as the Identifier's port whenever it exists, without matching USB ids."),
          // The description names the value by this name.
          tr("PATH"))
{
    parser.setApplicationDescription(tr("Configures, monitors and updates the Identifier."));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(portOption);
    parser.addPositionalArgument(QStringLiteral("vendor-id"),
        tr("USB vendor id of the device to look for, in decimal."), QStringLiteral("[vendor-id"));
    parser.addPositionalArgument(QStringLiteral("product-id"),
        tr("USB product id of the device to look for, in decimal."), QStringLiteral("product-id]"));
}

CommandLine::Request CommandLine::Parse(const QStringList& arguments)
{
    errorText.clear();
    warnings.clear();
    vendorId = -1;
    productId = -1;
    if (!parser.parse(arguments)) {
        errorText = parser.errorText();
        return Request::Error;
    }
    if (parser.isSet(helpOption)) {
        return Request::Help;
    }
    if (parser.isSet(versionOption)) {
        return Request::Version;
    }
    if (parser.isSet(portOption) && PortPath().isEmpty()) {
        errorText = tr("The option --port needs the path of a port.");
        return Request::Error;
    }
    ReadIds(parser.positionalArguments());
    return Request::Run;
}

QString CommandLine::HelpText() const
{
    return parser.helpText();
}

QString CommandLine::ErrorText() const
{
    return errorText;
}

QStringList CommandLine::Warnings() const
{
    return warnings;
}

int CommandLine::VendorId() const
{
    return vendorId;
}

int CommandLine::ProductId() const
{
    return productId;
}

QString CommandLine::PortPath() const
{
    return parser.value(portOption);
}

void CommandLine::ReadIds(const QStringList& positional)
{
    if (positional.size() == 1) {
        warnings << tr("A vendor id needs a product id after it; looking for the Identifier's own ids.");
        return;
    }
    if (positional.size() > 2) {
        warnings << tr("Ignoring the arguments after the product id: %1")
                        .arg(positional.mid(2).join(QLatin1Char(' ')));
    }
    if (positional.size() >= 2) {
        vendorId = ReadId(positional.at(0), tr("The vendor id \"%1\" is not a decimal number; using 0."));
        productId = ReadId(positional.at(1), tr("The product id \"%1\" is not a decimal number; using 0."));
    }
}

int CommandLine::ReadId(const QString& text, const QString& warning)
{
    bool ok = false;
    const int id = text.toInt(&ok, 10);
    if (!ok) {
        warnings << warning.arg(text);
    }
    return ok ? id : 0;
}
