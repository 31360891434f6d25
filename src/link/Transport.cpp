#include "link/Transport.h"

#include "app/JobNames.h"
#include "link/Job.h"
#include "link/JobItem.h"
#include "link/JobTable.h"
#include "model/Model.h"
#include "protocol/AISSentence.h"
#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"
#include "protocol/PasswordWait.h"
#include "protocol/cSecurityDomainManager.h"

namespace {

// Jobs that probe the link rather than do work: they get the short time-out.
bool IsProbeJob(const QString& name)
{
    return name == JobName::ConnectionTest || name == JobName::PollDevice
        || name == JobName::PollSecurityEnabled || name == JobName::SecurityAccessRequest
        || name == JobName::SecurityAccessChallengeResponse;
}

const QString ResetCommand = QStringLiteral("reset");

bool IsSecuritySentence(const NmeaSentence& sentence)
{
    QString kind;
    return sentence.talker() == QLatin1String("P") && sentence.identifier() == QLatin1String("KRX")
        && sentence.fieldText(1, kind) && kind == QLatin1String("SAC");
}

} // namespace

Transport::Transport(Model* model, QObject* parent)
    : QThread(parent)
    , m_model(model)
    , m_jobs(std::make_unique<JobTable>(model))
    , m_security(std::make_unique<cSecurityDomainManager>())
{
    m_responseTimer.setSingleShot(true);
    // A coarse timer may fire 5 % early, and writes must stay 200 ms apart.
    m_responseTimer.setTimerType(Qt::PreciseTimer);
    m_responseTimer.setInterval(ReadTimeout());
    connect(&m_responseTimer, &QTimer::timeout, this, &Transport::OnResponseTimerTimeout);
    connect(&PasswordWait::Instance(), &PasswordWait::ended, this, [this] {
        if (m_responseTimer.isActive()) {
            m_responseTimer.start();
        }
    });
}

Transport::~Transport()
{
    quit();
    wait();
}

void Transport::run()
{
    // Only an event loop: every piece of work runs on the thread that owns
    // the object, so nothing here touches the transport's state.
    exec();
}

bool Transport::IsBusy() const
{
    return !m_queue.isEmpty() || m_current.job;
}

bool Transport::IsQueued(const QString& name, bool send) const
{
    for (const Run& run : m_queue) {
        if (run.job->name() == name && run.send == send) {
            return true;
        }
    }
    return false;
}

QString Transport::Response(const QString& jobName, int item) const
{
    const Job* job = m_jobs->Find(jobName);
    if (!job || item < 0 || item >= job->items().size() || !job->items().at(item)->command()) {
        return QString();
    }
    return job->items().at(item)->command()->response();
}

void Transport::QueueJob(const QString& name, bool send)
{
    if (Job* job = m_jobs->Find(name)) {
        QueueJob(job, send);
    }
}

void Transport::QueueJob(Job* job, bool send)
{
    if (IsQueued(job->name(), send)) {
        return;
    }
    m_queue.append(Run { job, send });
    if (!m_current.job) {
        StartNextRun(false);
    }
}

JobItem* Transport::CurrentItem() const
{
    if (!m_current.job || m_itemIndex < 0 || m_itemIndex >= m_current.job->items().size()) {
        return nullptr;
    }
    return m_current.job->items().at(m_itemIndex);
}

bool Transport::IsCurrentJob(const QString& name) const
{
    return m_current.job && m_current.job->name() == name;
}

void Transport::StartNextRun(bool quiet)
{
    m_itemIndex = -1;
    while (!m_queue.isEmpty()) {
        m_current = m_queue.takeFirst();
        if (SendNextItem()) {
            return;
        }
        m_itemIndex = -1;
    }
    m_current = Run {};
    if (!quiet) {
        emit AllJobsComplete();
    }
}

bool Transport::SendNextItem()
{
    if (!m_current.job) {
        return false;
    }
    ++m_itemIndex;
    if (m_itemIndex >= m_current.job->items().size()) {
        m_itemIndex = -1;
        emit JobComplete(m_current.job->name(), m_current.send);
        return false;
    }
    SendItem(CurrentItem());
    return true;
}

void Transport::SendItem(JobItem* item)
{
    QString sentence;
    if (item->command()) {
        sentence = item->command()->sentence();
        m_responseTimer.setInterval(IsProbeJob(m_current.job->name()) ? PollTimeout() : ReadTimeout());
    } else if (item->codec()) {
        sentence = m_current.send ? item->codec()->writeSentence() : item->codec()->readSentence();
        m_responseTimer.setInterval(m_current.send ? WriteInterval() : ReadTimeout());
    } else {
        // A security step keeps the time-out of the item sent before it.
        sentence = SecuritySentence(item->securityStep());
    }
    Send(sentence);
    emit Sent(sentence);
    m_responseTimer.start();
}

QString Transport::SecuritySentence(const QString& step)
{
    if (step == JobName::PollSecurityEnabled) {
        return m_security->pollSentence();
    }
    if (step == JobName::SecurityAccessRequest) {
        return m_security->requestSentence();
    }
    return m_security->responseSentence();
}

void Transport::SerialReceived(const QString& received)
{
    emit Received(received);
    static const QStringList diagnosticMarks { QStringLiteral("ADC ="), QStringLiteral("Position Message"),
        QStringLiteral("Static Data Message"), QStringLiteral("!AIVDO") };
    for (const QString& mark : diagnosticMarks) {
        if (received.contains(mark)) {
            OnDiagnosticLine(received);
            break;
        }
    }
    const NmeaSentence sentence(received);
    if (sentence.isValid() && sentence.identifier() != QLatin1String("ZDA")) {
        ProcessResponse(sentence);
    }
}

void Transport::OnDiagnosticLine(const QString& line)
{
    if (line.startsWith(QLatin1String("ADC ="))) {
        m_model->diagnostics()->setAdcReading(line.section(QLatin1Char('$'), 0, 0));
    } else if (line.startsWith(QLatin1String("Position Message")) || line.startsWith(QLatin1String("!AIVDO"))
        || line.startsWith(QLatin1String("Static Data Message"))) {
        emit MessageToDiagnostics(line);
    }
}

void Transport::ProcessResponse(const NmeaSentence& sentence)
{
    JobItem* item = CurrentItem();
    // Only an item on the wire, still waiting for its answer, takes replies.
    if (!item || !m_responseTimer.isActive()) {
        return;
    }
    if (item->command()) {
        const int result = item->command()->parseResponse(sentence);
        if (result == NmeaShellCommand::ResultReply) {
            m_responseTimer.stop();
            ItemDone();
        } else if (result == NmeaShellCommand::ResultNotReply) {
            OnRefusal(sentence, item);
        }
    } else if (!item->securityStep().isEmpty()) {
        // Only the device's SAC answer completes a security step; a GNSS
        // sentence streaming past must not stand in for it.
        if (IsSecuritySentence(sentence)) {
            m_responseTimer.stop();
            m_security->parseSac(sentence);
            ItemDone();
        }
    } else if (!m_current.send && item->codec()->parseReply(sentence) == AISSentence::ResultStored) {
        m_responseTimer.stop();
        ItemDone();
    }
}

void Transport::OnRefusal(const NmeaSentence& sentence, JobItem* item)
{
    QString kind;
    sentence.fieldText(1, kind);
    const bool locked = kind.contains(QLatin1String("SAC"));
    m_responseTimer.stop();
    // A locked device answers every command with a SAC sentence. To the
    // connection test that means the same as silence: go on to the security
    // poll, which asks for the password; otherwise every reconnection would
    // end in the same refusal.
    if (locked && IsCurrentJob(JobName::ConnectionTest)) {
        OnConnectionTestUnanswered();
        return;
    }
    m_lastError = locked ? tr("Secrity Timeout: ")
                         : tr("Negative acknowlegement for command: ") + item->command()->command();
    emit CommandError(m_lastError);
}

void Transport::ItemDone()
{
    if (!SendNextItem()) {
        StartNextRun(false);
    }
}

void Transport::AbortRun(bool polling)
{
    m_current = Run {};
    m_itemIndex = -1;
    emit JobTimeout(polling);
}

void Transport::OnResponseTimerTimeout()
{
    JobItem* item = CurrentItem();
    if (!item) {
        return;
    }
    if (item->command()) {
        OnShellSilence(item);
    } else if (!item->securityStep().isEmpty()) {
        OnSecuritySilence();
    } else if (!m_current.send) {
        OnCodecSilence(item);
    } else {
        ItemDone();
    }
}

void Transport::OnShellSilence(JobItem* item)
{
    if (item->takeRetry()) {
        SendItem(item);
    } else if (item->command()->command() == ResetCommand) {
        // The device restarts on "reset" and cannot answer it.
        ItemDone();
    } else if (IsCurrentJob(JobName::ConnectionTest)) {
        OnConnectionTestUnanswered();
    } else if (IsCurrentJob(JobName::PollDevice)) {
        AbortRun(true);
        StartNextRun(true);
        emit testConnection(0);
    } else {
        m_lastError = tr("Timeout waiting for response to command: ") + item->command()->command();
        AbortRun(false);
    }
}

void Transport::OnConnectionTestUnanswered()
{
    StartNextRun(true);
    QueueJob(JobName::PollSecurityEnabled, false);
}

void Transport::OnSecuritySilence()
{
    if (IsCurrentJob(JobName::PollSecurityEnabled)) {
        StartNextRun(true);
        ConnectAtBaud(false);
    } else {
        AbortRun(false);
    }
}

void Transport::OnCodecSilence(JobItem* item)
{
    if (item->takeRetry()) {
        SendItem(item);
        return;
    }
    m_lastError = tr("Timeout waiting for response for: ") + item->codec()->formatter();
    AbortRun(false);
}

void Transport::onTriggerSecurityAccess()
{
    const QString next = m_security->nextJob();
    if (next.isEmpty()) {
        emit AllJobsComplete();
    } else {
        QueueJob(next, false);
    }
}
