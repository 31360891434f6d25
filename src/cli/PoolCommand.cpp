#include "cli/PoolCommand.h"

#include "cli/CliOutput.h"
#include "production/MmsiList.h"
#include "production/MmsiPool.h"
#include "production/TerminalPassword.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSysInfo>

PoolCommand::PoolCommand(const CliOptions& options, CliOutput& output)
    : m_options(options)
    , m_output(output)
{
}

int PoolCommand::Run()
{
    MmsiPool pool(m_options.pool(), Actor());
    if (!m_options.passwordFile().isEmpty()) {
        QString password;
        QString error;
        if (!TerminalPassword::FromFile(m_options.passwordFile(), &password, &error)) {
            return m_output.Failure(CliExit::FileError, error);
        }
        pool.SetPassword(password);
    }
    switch (m_options.poolAction()) {
    case CliOptions::PoolAction::Init:
        return Init(pool);
    case CliOptions::PoolAction::Import:
        return Import(pool);
    case CliOptions::PoolAction::Status:
        return Status(pool);
    case CliOptions::PoolAction::Release:
        return Release(pool);
    }
    return static_cast<int>(CliExit::Usage);
}

int PoolCommand::Init(MmsiPool& pool)
{
    QString error;
    if (!pool.Init(&error)) {
        return m_output.Failure(CliExit::Pool, error);
    }
    m_output.Result(
        { { QStringLiteral("result"), QStringLiteral("ready") } }, tr("The pool's tables are ready."));
    return 0;
}

int PoolCommand::Import(MmsiPool& pool)
{
    MmsiList list;
    QString error;
    if (!MmsiList::Load(m_options.poolList(), &list, &error)) {
        return m_output.Failure(CliExit::FileError, error);
    }
    if (!pool.Import(list, &error)) {
        return m_output.Failure(CliExit::Pool, error);
    }
    m_output.Result({ { QStringLiteral("result"), QStringLiteral("imported") },
                        { QStringLiteral("count"), list.Count() } },
        tr("%n MMSI(s) imported.", nullptr, list.Count()));
    return 0;
}

int PoolCommand::Status(MmsiPool& pool)
{
    MmsiPoolStatus status;
    QString error;
    if (!pool.Status(&status, &error)) {
        return m_output.Failure(CliExit::Pool, error);
    }
    QJsonArray reserved;
    QStringList lines { tr("free\t%1").arg(status.free), tr("reserved\t%1").arg(status.reserved),
        tr("done\t%1").arg(status.done) };
    for (const MmsiPoolReservation& row : status.reservations) {
        const QString time = row.reservedAt.toString(Qt::ISODate);
        reserved.append(QJsonObject { { QStringLiteral("mmsi"), row.mmsi },
            { QStringLiteral("serialNumber"), row.serialNumber }, { QStringLiteral("station"), row.station },
            { QStringLiteral("reservedUtc"), time } });
        lines << QStringLiteral("%1\t%2\t%3\t%4").arg(row.mmsi, row.serialNumber, row.station, time);
    }
    m_output.Result(
        { { QStringLiteral("free"), status.free }, { QStringLiteral("reserved"), status.reserved },
            { QStringLiteral("done"), status.done }, { QStringLiteral("reservations"), reserved } },
        lines.join(QLatin1Char('\n')));
    return 0;
}

int PoolCommand::Release(MmsiPool& pool)
{
    QString error;
    if (!pool.Release(m_options.mmsi(), m_options.reason().trimmed(), &error)) {
        return m_output.Failure(CliExit::Pool, error);
    }
    m_output.Result({ { QStringLiteral("result"), QStringLiteral("released") },
                        { QStringLiteral("mmsi"), m_options.mmsi() } },
        tr("MMSI %1 is free again.").arg(m_options.mmsi()));
    return 0;
}

QString PoolCommand::Actor() const
{
    if (!m_options.station().trimmed().isEmpty()) {
        return m_options.station().trimmed();
    }
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user + QLatin1Char('@') + QSysInfo::machineHostName();
}
