#include "link/JobTable.h"

#include "app/JobNames.h"
#include "link/Job.h"
#include "link/JobItem.h"
#include "protocol/AISSentence.h"
#include "protocol/NmeaShellCommand.h"

JobTable::JobTable(Model*)
{
    AddFixedJobs();
}

JobTable::~JobTable() = default;

Job* JobTable::Find(const QString& name) const
{
    const auto found = m_jobs.find(name);
    return found == m_jobs.end() ? nullptr : found->second.get();
}

void JobTable::AddFixedJobs()
{
    Add(JobName::ConnectionTest, { Shell(QStringLiteral("appver"), 0, 2, 0, 0) });
    Add(JobName::PollSecurityEnabled, { Security(JobName::PollSecurityEnabled) });
    Add(JobName::SecurityAccessRequest, { Security(JobName::SecurityAccessRequest) });
    Add(JobName::SecurityAccessChallengeResponse, { Security(JobName::SecurityAccessChallengeResponse) });
    Add(JobName::PollDevice, { Shell(QStringLiteral("getserno"), 0, 2, 1, 0) });
    Add(JobName::Version,
        { Shell(QStringLiteral("appver"), 0, 2, 2, 1), Shell(QStringLiteral("getserno"), 0, 2, 3, 1) });
    Add(JobName::GpsOn, { Shell(QStringLiteral("gpsfilt 49"), 2, 2, 4, 1) });
    Add(JobName::GpsOff, { Shell(QStringLiteral("gpsfilt 0"), 2, 2, 5, 1) });
    JobItem* deleteMmsi = Shell(QStringLiteral("reset_mmsi"), 2, 2, 6, 1);
    Add(JobName::DeleteMmsi, { deleteMmsi });
    Add(JobName::VoyageDataGet, { Shell(QStringLiteral("voyage"), 0, 0, 7, 1) });
    Add(JobName::ClearHolder, { Shell(QStringLiteral("resetholdid"), 2, 0, 8, 1) });
    JobItem* reset = Shell(QStringLiteral("reset"), 0, 0, 9, 0);
    Add(JobName::Reset, { reset });
    Add(JobName::DeepSleep, { Shell(QStringLiteral("deepsleep"), 2, 0, 10, 1) });
    Add(JobName::ResetVessel, { Shell(QStringLiteral("resetvessel"), 0, 0, 11, 1), deleteMmsi, reset });
    Add(JobName::ResetConfig,
        { Shell(QStringLiteral("resetproduct"), 2, 0, 12, 1), Shell(QStringLiteral("resetunit"), 2, 0, 13, 1),
            reset });
    Add(JobName::ClearVoyageLog, { Shell(QStringLiteral("clrlog"), 2, 0, 14, 1) });
}

JobItem* JobTable::Shell(const QString& text, int domain, int mode, int tag, int retries)
{
    return Keep(std::make_unique<JobItem>(std::make_unique<NmeaShellCommand>(text, domain, mode, tag), retries));
}

JobItem* JobTable::Security(const QString& step)
{
    return Keep(std::make_unique<JobItem>(step));
}

JobItem* JobTable::Keep(std::unique_ptr<JobItem> item)
{
    m_items.push_back(std::move(item));
    return m_items.back().get();
}

void JobTable::Add(const QString& name, const QList<JobItem*>& items)
{
    m_jobs[name] = std::make_unique<Job>(name, items);
}
