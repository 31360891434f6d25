#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

// The program's command line:
//
//   velmora [--port PATH] [vendor-id product-id]
//
// The two ids, in decimal, name the USB device to look for; both must be
// given, and text that is not a number reads as 0. --port names the port
// outright, for ports without USB ids and for the simulator.
class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    enum class Request { Run, Help, Version, Error };

    CommandLine();

    // The arguments include the program name, as QCoreApplication::arguments().
    Request Parse(const QStringList& arguments);

    QString HelpText() const;
    // Why the command line was refused (Request::Error).
    QString ErrorText() const;
    // What was accepted but is probably not what the user meant.
    QStringList Warnings() const;

    // -1 when not given.
    int VendorId() const;
    int ProductId() const;
    // Empty when not given.
    QString PortPath() const;

private:
    void ReadIds(const QStringList& positional);
    int ReadId(const QString& text, const QString& warning);

    QCommandLineParser parser;
    QCommandLineOption helpOption;
    QCommandLineOption versionOption;
    QCommandLineOption portOption;
    QString errorText;
    QStringList warnings;
    int vendorId = -1;
    int productId = -1;
};
