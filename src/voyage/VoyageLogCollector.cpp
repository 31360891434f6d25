#include "voyage/VoyageLogCollector.h"

#include "protocol/NmeaSentence.h"
#include "protocol/NmeaShellCommand.h"

#include <QTimer>

VoyageLogCollector::VoyageLogCollector(QObject* parent)
    : QObject(parent)
    , m_endTimer(new QTimer(this))
{
    m_records.reserve(4096);
    m_endTimer->setObjectName(QStringLiteral("vdrTimer"));
    m_endTimer->setInterval(TransferEndMs);
    connect(m_endTimer, &QTimer::timeout, this, &VoyageLogCollector::Finish);
}

void VoyageLogCollector::Start()
{
    m_endTimer->start();
}

const QVector<VoyageRecord>& VoyageLogCollector::Records() const
{
    return m_records;
}

bool VoyageLogCollector::Complete() const
{
    return m_announced >= 0 && m_records.size() >= m_announced;
}

void VoyageLogCollector::Clear()
{
    m_records.clear();
    m_announced = -1;
    m_clearOnNextRecord = false;
}

void VoyageLogCollector::OnReceived(const QString& line)
{
    if (TakeAnnouncement(line)) {
        return;
    }
    VoyageRecord record;
    if (!VoyageRecord::decode(line, record)) {
        return;
    }
    if (m_clearOnNextRecord) {
        Clear();
    }
    m_records.append(record);
    m_endTimer->start();
    emit recordAdded(record);
}

void VoyageLogCollector::Finish()
{
    m_endTimer->stop();
    m_clearOnNextRecord = true;
    emit finished();
}

// The reply to the "voyage" command: the number of records that follow. It
// starts a new transfer.
bool VoyageLogCollector::TakeAnnouncement(const QString& line)
{
    NmeaShellCommand request(QStringLiteral("voyage"), 0, 0, 0);
    if (request.parseResponse(NmeaSentence(line)) != NmeaShellCommand::ResultReply) {
        return false;
    }
    bool number = false;
    const int count = request.response().trimmed().toInt(&number);
    Clear();
    m_announced = number && count >= 0 ? count : -1;
    return true;
}
