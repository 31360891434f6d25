#include "link/JobTable.h"

#include "app/JobNames.h"
#include "link/Job.h"
#include "link/JobItem.h"
#include "model/Model.h"
#include "protocol/AISSentence.h"
#include "protocol/AISSentenceBattStatus.h"
#include "protocol/AISSentenceBattVolt.h"
#include "protocol/AISSentenceBracketErrorBehaviour.h"
#include "protocol/AISSentenceEncryptionFenceEnabled.h"
#include "protocol/AISSentenceFreq.h"
#include "protocol/AISSentenceGBEnabled.h"
#include "protocol/AISSentenceGBEnabledvX.h"
#include "protocol/AISSentenceGBInOut.h"
#include "protocol/AISSentenceGeofenceAudibleAlertEnable.h"
#include "protocol/AISSentenceHalvexFenceEnabled.h"
#include "protocol/AISSentenceInsideGeofenceBehaviour.h"
#include "protocol/AISSentenceLedSetting.h"
#include "protocol/AISSentenceMsgTI.h"
#include "protocol/AISSentenceOffBracketBehaviour.h"
#include "protocol/AISSentenceOperationalFenceEnabled.h"
#include "protocol/AISSentenceOutsideGeofenceBehaviour.h"
#include "protocol/AISSentencePowerBoxAlertEnable.h"
#include "protocol/AISSentencePowerBoxEnable.h"
#include "protocol/AISSentencePowerBoxSetting.h"
#include "protocol/AISSentenceRSSI.h"
#include "protocol/AISSentenceSMM.h"
#include "protocol/AISSentenceSSD.h"
#include "protocol/AISSentenceSbasEnable.h"
#include "protocol/AISSentenceSosAlertEnable.h"
#include "protocol/AISSentenceSosAudibleAlertEnable.h"
#include "protocol/AISSentenceSosMessageText.h"
#include "protocol/AISSentenceVSD.h"
#include "protocol/AISSentenceVoyageLogDistance.h"
#include "protocol/AISSentenceVoyageLogPeriod.h"
#include "protocol/NmeaShellCommand.h"

JobTable::JobTable(Model* model)
{
    AddFixedJobs();
    AddSettingJobs(model);
}

JobTable::~JobTable() = default;

Job* JobTable::Find(const QString& name) const
{
    const auto found = m_jobs.find(name);
    return found == m_jobs.end() ? nullptr : found->second.get();
}

template <typename Setting, typename... Arguments> JobItem* JobTable::Codec(Arguments... arguments)
{
    return Keep(std::make_unique<JobItem>(std::make_unique<Setting>(arguments...), 1));
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

// Every list holds codec objects of its own, even where another list has the
// same setting.
void JobTable::AddSettingJobs(Model* model)
{
    Alerts* alerts = model->alerts();
    GeoBoundary* boundary = model->geoBoundary();
    Messages* messages = model->messages();
    Diagnostics* diagnostics = model->diagnostics();
    VoyageLog* voyageLog = model->voyageLog();
    Add(JobName::Basic,
        { Codec<AISSentenceSMM>(model->mmsi()), Codec<AISSentenceSSD>(model->staticData()),
            Codec<AISSentenceVSD>(model->vesselData()), Codec<AISSentenceGBEnabled>(boundary) });
    Add(JobName::BasicV4, { Codec<AISSentencePowerBoxEnable>(alerts) });
    Add(JobName::Diagnostics,
        { Codec<AISSentenceSMM>(model->mmsi()), Codec<AISSentenceBattVolt>(diagnostics),
            Codec<AISSentenceBattStatus>(diagnostics), Codec<AISSentenceRSSI>(diagnostics),
            Codec<AISSentenceLedSetting>(diagnostics), Codec<AISSentencePowerBoxSetting>(diagnostics) });
    // The SMM sentence is the only one that carries the MMSI.
    const auto configuration = [&] {
        return QList<JobItem*> { Codec<AISSentenceSSD>(model->staticData()),
            Codec<AISSentenceVSD>(model->vesselData()),
            Codec<AISSentenceMsgTI>(messages, AISSentenceMsgTI::PositionInterval),
            Codec<AISSentenceMsgTI>(messages, AISSentenceMsgTI::HighRateInterval),
            Codec<AISSentenceMsgTI>(messages, AISSentenceMsgTI::HighRateSog),
            Codec<AISSentenceMsgTI>(messages, AISSentenceMsgTI::StaticDataInterval),
            Codec<AISSentenceFreq>(messages, true), Codec<AISSentenceFreq>(messages, false),
            Codec<AISSentenceVoyageLogPeriod>(voyageLog), Codec<AISSentenceVoyageLogDistance>(voyageLog) };
    };
    Add(JobName::Configuration, QList<JobItem*> { Codec<AISSentenceSMM>(model->mmsi()) } + configuration());
    Add(JobName::ConfigurationWithoutMmsi, configuration());
    Add(JobName::Control,
        { Codec<AISSentenceBracketErrorBehaviour>(alerts), Codec<AISSentenceOffBracketBehaviour>(alerts),
            Codec<AISSentenceSosAlertEnable>(alerts), Codec<AISSentenceSosAudibleAlertEnable>(alerts),
            Codec<AISSentenceSosMessageText>(alerts), Codec<AISSentenceGeofenceAudibleAlertEnable>(alerts),
            Codec<AISSentencePowerBoxAlertEnable>(alerts), Codec<AISSentenceSbasEnable>(model) });
    Add(JobName::ForIdentifierV4,
        { Codec<AISSentencePowerBoxEnable>(alerts), Codec<AISSentenceGBEnabled>(boundary),
            Codec<AISSentenceGBInOut>(boundary), Codec<AISSentenceInsideGeofenceBehaviour>(alerts),
            Codec<AISSentenceOutsideGeofenceBehaviour>(alerts) });
    Add(JobName::ForIdentifierVx,
        { Codec<AISSentenceGBEnabledvX>(boundary), Codec<AISSentenceOperationalFenceEnabled>(boundary),
            Codec<AISSentenceHalvexFenceEnabled>(boundary), Codec<AISSentenceEncryptionFenceEnabled>(boundary) });
    Add(JobName::VdrConfiguration,
        { Codec<AISSentenceVoyageLogPeriod>(voyageLog), Codec<AISSentenceVoyageLogDistance>(voyageLog) });
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
