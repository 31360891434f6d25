#include "history/HistoryWriter.h"

#include "history/PendingRows.h"

namespace {

const int firstPauseMs = 1000;
const int longestPauseMs = 60000;

} // namespace

HistoryWriter::HistoryWriter(const QString& path, QObject* parent)
    : QObject(parent)
    , m_path(path)
    , m_history(path)
    , m_pauseMs(firstPauseMs)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &HistoryWriter::WriteWaiting);
}

HistoryWriter::~HistoryWriter() = default;

bool HistoryWriter::Add(ProgrammingRecord& record, QString* error)
{
    if (!record.at.isValid())
        record.at = QDateTime::currentDateTimeUtc();
    // Rows keep their order: a new one goes behind those waiting.
    m_waiting << record;
    WriteWaiting();
    if (!m_waiting.isEmpty()) {
        *error = m_failure;
        return false;
    }
    record.id = m_lastId;
    return true;
}

// In order, until one is refused: the next try comes after a pause twice the
// last, up to a minute.
void HistoryWriter::WriteWaiting()
{
    const bool behind = m_pauseMs > firstPauseMs; // a try has been refused
    while (!m_waiting.isEmpty()) {
        if (!m_history.Add(m_waiting.first(), &m_failure)) {
            if (!m_retry.isActive()) {
                m_retry.start(m_pauseMs);
                m_pauseMs = qMin(m_pauseMs * 2, longestPauseMs);
            }
            return;
        }
        m_lastId = m_waiting.takeFirst().id;
    }
    m_retry.stop();
    m_pauseMs = firstPauseMs;
    if (behind)
        emit caughtUp();
}

bool HistoryWriter::Finish(QString* file, QString* error)
{
    file->clear();
    if (!m_waiting.isEmpty())
        WriteWaiting();
    if (m_waiting.isEmpty())
        return true;
    m_retry.stop();
    if (!PendingRows::Write(m_path, m_waiting, file, error))
        return false;
    m_waiting.clear();
    return true;
}
