#include "voyage/VoyageLogCollector.h"

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

void VoyageLogCollector::Clear()
{
    m_records.clear();
    m_clearOnNextRecord = false;
}

void VoyageLogCollector::OnReceived(const QString& line)
{
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
