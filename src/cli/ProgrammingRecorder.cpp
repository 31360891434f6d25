#include "cli/ProgrammingRecorder.h"

#include "certificate/ProgrammingCertificate.h"
#include "cli/CliOutput.h"
#include "production/MmsiPool.h"

#include <QDir>

ProgrammingRecorder::ProgrammingRecorder(const QString& certificateFolder, CliOutput& output)
    : m_certificateFolder(certificateFolder)
    , m_output(output)
{
    // Before this run adds to the configuration log: the log's earlier rows are
    // taken into a new history once, and this run's must not be among them. A
    // failure is told when a row is added.
    QString later;
    m_history.Open(&later);
}

bool ProgrammingRecorder::Record(const Profile& sent, bool verified, QString* certificate, QString* error)
{
    ProgrammingRecord record = ProgrammingHistory::RecordOf(sent, verified, QStringLiteral("command line"));
    AddToHistory(record);
    AddToPool(record);
    if (m_certificateFolder.isEmpty() || !verified) {
        return true;
    }
    const QString path = QDir(m_certificateFolder).filePath(ProgrammingCertificate::FileName(record));
    if (!ProgrammingCertificate::WritePdf(record, path, error)) {
        return false;
    }
    *certificate = path;
    return true;
}

void ProgrammingRecorder::AddToHistory(ProgrammingRecord& record)
{
    QString error;
    if (!m_history.Add(record, &error)) {
        m_output.Warning(tr("The programming history could not be updated: %1").arg(error));
    }
}

void ProgrammingRecorder::AddToPool(const ProgrammingRecord& record)
{
    QString error;
    if (m_pool && !m_pool->AddHistory(record, &error)) {
        m_output.Warning(tr("The pool's programming history could not be updated: %1").arg(error));
    }
}
