#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

// The exit codes of velmora-cli, as documented in its help.
enum class CliExit {
    Done = 0,
    Usage = 1,
    NoDevice = 2,
    Communication = 3,
    Mismatch = 4,
    FileError = 5,
    Cancelled = 6,
    Pool = 7,
    Refused = 8,
};

// The command line of velmora-cli: a command word and its options.
class CliOptions {
    Q_DECLARE_TR_FUNCTIONS(CliOptions)

public:
    enum class Command {
        None,
        Ports,
        Info,
        Read,
        Write,
        Voyage,
        Monitor,
        Program,
        Update,
        Pool,
        Help,
        Version
    };
    enum class PoolAction { Init, Import, Status, Release };

    CliOptions();

    // The arguments include the program name. False with ErrorText() when
    // the command line cannot be run.
    bool Parse(const QStringList& arguments);
    QString HelpText() const;
    QString ErrorText() const { return m_error; }

    Command command() const { return m_command; }
    QStringList ports() const;
    bool json() const;
    QString passwordFile() const;
    int timeoutSeconds() const { return m_timeoutSeconds; }
    // monitor: how long to listen; 0 until Ctrl-C.
    int seconds() const { return m_seconds; }
    // -1 when not given: the Identifier's own.
    int vendorId() const { return m_vendorId; }
    int productId() const { return m_productId; }
    QString output() const;
    QString profile() const;
    QString mmsiList() const;
    // Empty when not given: the PostgreSQL URI of the MMSI pool.
    QString pool() const;
    QString station() const;
    PoolAction poolAction() const { return m_poolAction; }
    // pool import: the CSV list to load.
    QString poolList() const { return m_poolList; }
    QString reason() const;
    bool clear() const;
    bool update() const;
    // update: the image to send; empty for the newest of the device's family.
    QString image() const;
    bool force() const;
    // Empty when no certificates are wanted.
    QString certificateFolder() const;
    // Empty when not given; the MMSI is checked, the texts are in capitals.
    QString mmsi() const;
    bool hasName() const;
    QString name() const;
    bool hasCallSign() const;
    QString callSign() const;

private:
    bool ReadCommand();
    bool ReadPoolAction(const QStringList& words);
    bool ReadNumbers();
    bool CheckRequired();
    bool CheckBelongs();
    bool CheckVesselTexts();
    bool Refuse(const QString& error);

    QCommandLineParser m_parser;
    QCommandLineOption m_help;
    QCommandLineOption m_version;
    QCommandLineOption m_port;
    QCommandLineOption m_json;
    QCommandLineOption m_passwordFile;
    QCommandLineOption m_timeout;
    QCommandLineOption m_listen;
    QCommandLineOption m_vendor;
    QCommandLineOption m_product;
    QCommandLineOption m_output;
    QCommandLineOption m_profile;
    QCommandLineOption m_mmsi;
    QCommandLineOption m_name;
    QCommandLineOption m_callSign;
    QCommandLineOption m_clear;
    QCommandLineOption m_mmsiList;
    QCommandLineOption m_update;
    QCommandLineOption m_image;
    QCommandLineOption m_force;
    QCommandLineOption m_certificate;
    QCommandLineOption m_pool;
    QCommandLineOption m_station;
    QCommandLineOption m_reason;
    Command m_command = Command::None;
    PoolAction m_poolAction = PoolAction::Status;
    QString m_poolList;
    QString m_error;
    int m_timeoutSeconds = 20;
    int m_seconds = 0;
    int m_vendorId = -1;
    int m_productId = -1;
};
